#include "model/file/rowwriter.h"

#include "model/file/numbertext.h"

namespace model {

namespace {
constexpr std::string_view kRowEnd = "\r\n";
}

void RowWriter::text(std::string_view value)
{
    out_ += value;
    out_ += kRowEnd;
}

void RowWriter::number(double value)
{
    out_ += numberText(value);
    out_ += kRowEnd;
}

}  // namespace model
