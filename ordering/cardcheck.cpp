#include "ordering/cardcheck.h"

#include <optional>

namespace ordering {

namespace {

constexpr char kCR = '\r';
constexpr std::size_t kLeadingDigits = 4;
constexpr int kLuhnModulus = 10;
constexpr int kVisaAmbiguousLength = 14;
constexpr int kVisaLongLength = 16;
constexpr int kVisaShortLength = 13;
constexpr const char* kVisa = "Visa";
constexpr const char* kLengthTitle = "Invalid Length:";
constexpr const char* kDiscrepancyTitle = "Potential Card Type Discrepancy:";
constexpr const char* kInvalidTitle = "Invalid Card";
constexpr const char* kCheckFailedTitle = "CC Validation Solution Had Error:";
constexpr const char* kNoDigits = "The card number holds no digits.";
constexpr const char* kTypeMismatch = "Card type does not match card number. Please double check the card type.";
constexpr const char* kTryAgain = "Please check the number and try again.";

struct PrefixRow {
    int low, high;
    const char* type;
    int length;  // 0: Visa, measured by the number's own length
};

// Tried in this order; the first range holding the leading digits decides.
constexpr PrefixRow kPrefixes[] = {
    {3000, 3059, "Diners Club", 14},       {3600, 3699, "Diners Club", 14},
    {3800, 3889, "Diners Club", 14},       {3400, 3499, "American Express", 15},
    {3700, 3799, "American Express", 15},  {3528, 3589, "JCB", 16},
    {3890, 3899, "Carte Blanche", 14},     {4000, 4999, kVisa, 0},
    {5100, 5599, "MasterCard", 16},        {5610, 5610, "Australian BankCard", 16},
    {6011, 6011, "Discover/Novus", 16},
};

std::optional<PrefixRow> prefixRow(int leading)
{
    for (const PrefixRow& row : kPrefixes)
        if (leading >= row.low && leading <= row.high) return row;
    return std::nullopt;
}

int visaLength(int n) { return n <= kVisaShortLength ? kVisaShortLength : kVisaLongLength; }

std::string numbered(const PrefixRow& row, const std::string& number)
{
    return std::string("The ") + row.type + " number entered, " + number + ", ";
}

}  // namespace

std::string OnlyNumericSolution(std::string_view Number)
{
    std::string digits;
    for (char c : Number.substr(0, kMaxCardChars))
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

bool Mod10Solution(std::string_view Number)
{
    // Every second digit from the right is doubled; the last one is not.
    int sum = 0;
    const std::size_t n = Number.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int digit = Number[i] - '0';
        const bool doubled = (n - i) % 2 == 0;
        const int term = doubled ? 2 * digit : digit;
        sum += term < kLuhnModulus ? term : term - 9;
    }
    return sum % kLuhnModulus == 0;
}

bool CCValidationSolution(std::string& Number, const std::string& CardType, model::MessageBox& messages)
{
    using model::MessageIcon;
    Number = OnlyNumericSolution(Number);
    const std::string prefix = Number.substr(0, kLeadingDigits);
    if (prefix.empty()) {
        messages.showTitled(kNoDigits, kCheckFailedTitle, MessageIcon::Exclamation);
        return false;
    }
    const int n = int(Number.size());
    const std::optional<PrefixRow> row = prefixRow(std::stoi(prefix));
    if (row && row->type == std::string_view(kVisa) && n == kVisaAmbiguousLength) {
        messages.showTitled(std::string("The Visa number you typed in is 14 digits long.") + kCR +
                                "Visa cards usually have 16 digits, though some have 13." + kCR + kCR + kTryAgain,
                            kLengthTitle, MessageIcon::Exclamation);
        return false;
    }
    if (!row) {
        messages.showTitled("The first four digits of the number entered are " + prefix + "." + kCR +
                                "If that's correct, we don't accept that type of credit card." + kCR +
                                "If it's wrong, please try again.",
                            kDiscrepancyTitle, MessageIcon::Exclamation);
        return false;
    }
    if (CardType != row->type) {
        messages.show(kTypeMismatch);
        return false;
    }
    const int required = row->length ? row->length : visaLength(n);
    if (n != required) {
        const std::string k = std::to_string(n < required ? required - n : n - required);
        const std::string what = n < required ? "is missing " + k + " digit(s)." : "has " + k + " too many digit(s).";
        messages.showTitled(numbered(*row, Number) + what + kCR + kCR + kTryAgain, kLengthTitle,
                            MessageIcon::Exclamation);
        return false;
    }
    if (!Mod10Solution(Number)) {
        messages.showTitled(numbered(*row, Number) + "is invalid." + kCR + kCR + kTryAgain, kInvalidTitle,
                            MessageIcon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace ordering
