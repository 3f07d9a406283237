#pragma once
// Reads a design text row by row: one value a row, typed by its position.
// Any row that does not hold a value of its type, or a text that ends early,
// raises CorruptDesign.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace model {

struct CorruptDesign : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class RowReader {
public:
    static constexpr bool kReading = true;

    explicit RowReader(std::string_view text);

    void text(std::string& value);
    void number(double& value);
    void integer(std::int16_t& value);
    void flag(std::uint8_t& value);

    // A count row for a list: refused when negative or when its entries,
    // each at least `rowsPerEntry` rows long, cannot fit in the rows left, so
    // a damaged count never turns into a large allocation. The list is then
    // re-created with entries 0 to the count, all zeroed.
    template <class List>
    void count(std::int16_t& value, List& list, int rowsPerEntry)
    {
        integer(value);
        checkCount(value, rowsLeft_ / std::size_t(rowsPerEntry));
        list.assign(std::size_t(value) + 1, typename List::value_type{});
    }
    // A count row for a fixed table that holds at most `limit` entries.
    void count(std::int16_t& value, std::size_t limit);

    [[noreturn]] void fail(const std::string& why) const;

private:
    std::string_view nextRow();
    long wholeNumber(long min, long max);
    void checkCount(std::int16_t value, std::size_t limit) const;

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t rowsLeft_ = 0;
    std::size_t row_ = 0;  // the row last read, from 1
};

}  // namespace model
