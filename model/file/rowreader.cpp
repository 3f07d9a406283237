#include "model/file/rowreader.h"

#include "model/file/byteordermark.h"
#include "model/file/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace model {

namespace {
// The largest magnitude whose 15-digit text reads back: fifteen digits of
// anything larger round up beyond the largest double, and a file saved with
// such a value would no longer open.
constexpr double kLargestWritable = 1.79769313486231E+308;
}  // namespace

RowReader::RowReader(std::string_view text) : text_(withoutByteOrderMark(text))
{
    text = text_;
    rowsLeft_ = std::size_t(std::count(text.begin(), text.end(), '\n'));
    if (!text.empty() && text.back() != '\n') ++rowsLeft_;
}

void RowReader::fail(const std::string& why) const
{
    throw CorruptDesign("row " + std::to_string(row_) + ": " + why);
}

std::string_view RowReader::nextRow()
{
    if (rowsLeft_ == 0) {
        ++row_;
        fail("the text ends early");
    }
    --rowsLeft_;
    ++row_;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view row = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    // Rows end in CR LF; a bare LF is read as well.
    if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
    return row;
}

void RowReader::text(std::string& value)
{
    std::string_view row = nextRow();
    const auto first = row.find_first_not_of(' ');
    row = first == std::string_view::npos ? std::string_view() : row.substr(first, row.find_last_not_of(' ') + 1 - first);
    value.assign(row);
}

void RowReader::number(double& value)
{
    const auto parsed = parseNumberText(nextRow());
    if (!parsed) fail("not a number");
    if (std::fabs(*parsed) > kLargestWritable) fail("number too large");
    value = *parsed;
}

long RowReader::wholeNumber(long min, long max)
{
    double value = 0;
    number(value);
    // Whole-number rows round to the nearest, a half to the even neighbour.
    value = std::nearbyint(value);
    if (value < double(min) || value > double(max)) fail("value out of range");
    return long(value);
}

void RowReader::integer(std::int16_t& value)
{
    value = std::int16_t(wholeNumber(std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

void RowReader::flag(std::uint8_t& value)
{
    value = std::uint8_t(wholeNumber(0, std::numeric_limits<std::uint8_t>::max()));
}

void RowReader::checkCount(std::int16_t value, std::size_t limit) const
{
    if (value < 0) fail("negative count");
    if (std::size_t(value) > limit) fail("count too large");
}

void RowReader::count(std::int16_t& value, std::size_t limit)
{
    integer(value);
    checkCount(value, limit);
}

}  // namespace model
