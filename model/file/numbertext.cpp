#include "model/file/numbertext.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace model {

std::string numberText(double value)
{
    if (value == 0) value = 0;  // -0 is written as 0
    char buffer[64];
    // %G semantics: exponent form when the exponent is below -4 or reaches
    // the precision; trailing zeros dropped.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                      kSignificantDigits);
    std::string digits(buffer, result.ptr);
    for (char& c : digits)
        if (c == 'e') c = 'E';

    std::string text = value < 0 ? "-" : " ";
    std::string_view body(digits);
    if (value < 0) body.remove_prefix(1);
    if (body.size() >= 2 && body[0] == '0' && body[1] == '.') body.remove_prefix(1);
    text += body;
    return text;
}

std::string plainText(double value)
{
    std::string text = numberText(value);
    if (text[0] == ' ') text.erase(0, 1);
    const std::size_t digits = text[0] == '-' ? 1 : 0;
    if (text[digits] == '.') text.insert(digits, 1, '0');
    return text;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipDigits(std::string_view s, std::size_t i)
{
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

}  // namespace

std::optional<double> parseNumberText(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view s = text.substr(begin, end - begin);

    // Check the grammar ourselves: from_chars alone would accept "inf", "nan"
    // and hexadecimal forms.
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    const std::size_t intStart = i;
    i = skipDigits(s, i);
    std::size_t digitCount = i - intStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        i = skipDigits(s, i);
        digitCount += i - fracStart;
    }
    if (digitCount == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t expStart = i;
        i = skipDigits(s, i);
        if (i == expStart) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace model
