#pragma once
// Writes a design text row by row, the counterpart of RowReader: one value a
// row in the file's number text, every row ended by CR LF.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

class RowWriter {
public:
    static constexpr bool kReading = false;

    explicit RowWriter(std::string& out) : out_(out) {}

    void text(std::string_view value);
    void number(double value);
    void integer(std::int16_t value) { number(value); }
    void flag(std::uint8_t value) { number(value); }

    template <class List>
    void count(std::int16_t value, const List&, int)
    {
        integer(value);
    }
    void count(std::int16_t value, std::size_t) { integer(value); }

private:
    std::string& out_;
};

}  // namespace model
