#include "model/file/textreading.h"

#include "model/file/numbertext.h"
#include "model/hull/floaterror.h"

#include <cctype>
#include <charconv>
#include <string>

namespace model {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string withoutBlanks(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s += c;
    return s;
}

// Length of the leading decimal number of s, 0 when there is none; `exponentAt`
// is where its exponent letter stands (npos without one).
std::size_t numberPrefix(const std::string& s, std::size_t& exponentAt)
{
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i) ++digits;
    exponentAt = std::string::npos;
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expDigits = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > expDigits) {
            exponentAt = i;
            i = j;
        }
    }
    return i;
}

// Out of range: an underflow (negative exponent) reads as 0, an overflow is an error.
double outOfRange(const std::string& number, std::size_t exponentAt)
{
    const bool negativeExponent = exponentAt != std::string::npos && exponentAt + 1 < number.size() &&
                                  number[exponentAt + 1] == '-';
    if (negativeExponent) return 0;
    throw FloatError("number reading: overflow");
}

}  // namespace

double leadingNumber(std::string_view text)
{
    const std::string s = withoutBlanks(text);
    std::size_t exponentAt = 0;
    const std::size_t length = numberPrefix(s, exponentAt);
    if (length == 0) return 0;
    // from_chars takes no "+" sign.
    const std::size_t begin = s[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(s.data() + begin, s.data() + length, value);
    if (result.ec == std::errc::result_out_of_range) return outOfRange(s.substr(0, length), exponentAt);
    return value == 0 ? 0.0 : value;
}

std::optional<double> strictNumber(std::string_view text) { return parseNumberText(text); }

}  // namespace model
