#include "ordering/cardcheck.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

using model::MessageIcon;

constexpr const char* kLength = "Invalid Length:";
constexpr const char* kAgain = "\r\rPlease check the number and try again.";
constexpr const char* kMismatch = "Card type does not match card number. Please double check the card type.";

std::string discrepancy(const char* firstFour)
{
    return std::string("The first four digits of the number entered are ") + firstFour +
           ".\rIf that's correct, we don't accept that type of credit card.\rIf it's wrong, please try again.";
}

std::string entered(const char* rest) { return std::string("The Visa number entered, ") + rest + kAgain; }

// The valid numbers hold the Luhn sum's doubling past 9 and an odd length read from the right.
TEST(CCValidationSolution, OutcomesAndMessages)
{
    const std::string far = std::string(40, ' ') + "4111111111111111";
    // digits: the number after the check; no message: valid.
    const struct { const char *typed, *type, *digits; std::string message; const char* title = "";
                   MessageIcon icon = MessageIcon::Exclamation; } cases[] = {
        {"4111-1111 1111-1111", "Visa", "4111111111111111", ""}, {"4222222222222", "Visa", "4222222222222", ""},
        {"5500 0000 0000 0004", "MasterCard", "5500000000000004", ""}, {"3528000000000007", "JCB", "3528000000000007", ""},
        {"6011 0000 0000 0004", "Discover/Novus", "6011000000000004", ""},
        {"5610000000000001", "Australian BankCard", "5610000000000001", ""},
        {"561000000000001", "Australian BankCard", "561000000000001",
         std::string("The Australian BankCard number entered, 561000000000001, is missing 1 digit(s).") + kAgain, kLength},
        {"3528000000000007", "Visa", "3528000000000007", kMismatch, "", MessageIcon::None},
        {"41111111111111", "MasterCard", "41111111111111",
         std::string("The Visa number you typed in is 14 digits long.\rVisa cards usually have 16 digits, though "
                     "some have 13.") + kAgain, kLength},
        {"0412 3456", "Visa", "04123456", discrepancy("0412"), "Potential Card Type Discrepancy:"},
        {"4", "Visa", "4", discrepancy("4"), "Potential Card Type Discrepancy:"},
        // The type test comes before the length test.
        {"55000000000000", "Visa", "55000000000000", kMismatch, "", MessageIcon::None},
        {"38900000000000", "Diners Club", "38900000000000", kMismatch, "", MessageIcon::None},
        {"38000000000006", "Carte Blanche", "38000000000006", kMismatch, "", MessageIcon::None},
        {"411111111111111", "Visa", "411111111111111", entered("411111111111111, is missing 1 digit(s)."), kLength},
        {"41111111111111111", "Visa", "41111111111111111", entered("41111111111111111, has 1 too many digit(s)."),
         kLength},
        {"3400 0000 0000 00", "American Express", "34000000000000",
         std::string("The American Express number entered, 34000000000000, is missing 1 digit(s).") + kAgain,
         kLength},
        {"4111111111111112", "Visa", "4111111111111112", entered("4111111111111112, is invalid."), "Invalid Card"},
        // Only the first 50 characters count: ten digits are left.
        {far.c_str(), "Visa", "4111111111", entered("4111111111, is missing 3 digit(s)."), kLength},
        {"no digits", "Visa", "", "The card number holds no digits.", "CC Validation Solution Had Error:"},
    };
    for (const auto& c : cases) {
        testsupport::ScriptedMessageBox messages;
        std::string number = c.typed;
        const bool valid = ordering::CCValidationSolution(number, c.type, messages);
        EXPECT_EQ(std::pair(valid, number), std::pair(c.message.empty(), std::string(c.digits))) << c.typed;
        ASSERT_EQ(messages.shown.size(), c.message.empty() ? 0u : 1u) << c.typed;
        for (const auto& shown : messages.shown)
            EXPECT_EQ(std::tie(shown.text, shown.title, shown.icon), std::tuple(c.message, std::string(c.title), c.icon))
                << c.typed;
    }
    // The check digit alone: doubled from the right's second digit, a leading zero changing nothing.
    for (const auto& [digits, valid] : {std::pair{"59", true}, {"58", false}, {"059", true}, {"", true}})
        EXPECT_EQ(ordering::Mod10Solution(digits), valid) << digits;
}

}  // namespace
