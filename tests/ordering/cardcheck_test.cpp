#include "ordering/cardcheck.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

using model::MessageIcon;
using ordering::CCValidationSolution;

constexpr const char* kLength = "Invalid Length:";
constexpr const char* kAgain = "\r\rPlease check the number and try again.";

struct CardCase {
    const char* typed;
    const char* type;
    bool valid;
    const char* digits;   // the number after the check
    std::string message;  // empty when valid
    const char* title;    // "" for the program's own title
    MessageIcon icon = MessageIcon::Exclamation;
};

TEST(CCValidationSolution, OutcomesAndMessages)
{
    const std::string far = std::string(40, ' ') + "4111111111111111";
    const CardCase cases[] = {
        {"4111-1111 1111-1111", "Visa", true, "4111111111111111", "", ""},
        {"5500 0000 0000 0004", "MasterCard", true, "5500000000000004", "", ""},
        {"4222222222222", "Visa", true, "4222222222222", "", ""},
        {"6011000000000004", "Discover/Novus", true, "6011000000000004", "", ""},
        {"41111111111111", "MasterCard", false, "41111111111111",
         "The Visa number you typed in is 14 digits long.\rVisa cards usually have 16 digits, though some have "
         "13.\r\rPlease check the number and try again.",
         kLength},
        {"0412 3456", "Visa", false, "04123456",
         "The first four digits of the number entered are 0412.\rIf that's correct, we don't accept that type of "
         "credit card.\rIf it's wrong, please try again.",
         "Potential Card Type Discrepancy:"},
        {"4", "Visa", false, "4",
         "The first four digits of the number entered are 4.\rIf that's correct, we don't accept that type of "
         "credit card.\rIf it's wrong, please try again.",
         "Potential Card Type Discrepancy:"},
        // The type test comes before the length test.
        {"55000000000000", "Visa", false, "55000000000000",
         "Card type does not match card number. Please double check the card type.", "", MessageIcon::None},
        {"38900000000000", "Diners Club", false, "38900000000000",
         "Card type does not match card number. Please double check the card type.", "", MessageIcon::None},
        {"38000000000006", "Carte Blanche", false, "38000000000006",
         "Card type does not match card number. Please double check the card type.", "", MessageIcon::None},
        {"411111111111111", "Visa", false, "411111111111111",
         std::string("The Visa number entered, 411111111111111, is missing 1 digit(s).") + kAgain, kLength},
        {"41111111111111111", "Visa", false, "41111111111111111",
         std::string("The Visa number entered, 41111111111111111, has 1 too many digit(s).") + kAgain, kLength},
        {"3400 0000 0000 00", "American Express", false, "34000000000000",
         std::string("The American Express number entered, 34000000000000, is missing 1 digit(s).") + kAgain,
         kLength},
        {"4111111111111112", "Visa", false, "4111111111111112",
         std::string("The Visa number entered, 4111111111111112, is invalid.") + kAgain, "Invalid Card"},
        // Only the first 50 characters count: ten digits are left.
        {far.c_str(), "Visa", false, "4111111111",
         std::string("The Visa number entered, 4111111111, is missing 3 digit(s).") + kAgain, kLength},
        {"no digits", "Visa", false, "", "The card number holds no digits.", "CC Validation Solution Had Error:"},
    };
    for (const CardCase& c : cases) {
        testsupport::ScriptedMessageBox messages;
        std::string number = c.typed;
        EXPECT_EQ(CCValidationSolution(number, c.type, messages), c.valid) << c.typed;
        EXPECT_EQ(number, c.digits);
        if (c.message.empty()) {
            EXPECT_TRUE(messages.shown.empty()) << c.typed;
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].title, c.title) << c.typed;
        EXPECT_EQ(messages.shown[0].icon, c.icon) << c.typed;
    }
}

TEST(Mod10Solution, LuhnFromTheRight)
{
    const struct {
        const char* digits;
        bool valid;
    } cases[] = {{"59", true}, {"58", false}, {"059", true}, {"", true}, {"4111111111111111", true},
                 {"4111111111111121", false}, {"79927398713", true}, {"79927398710", false}};
    for (const auto& c : cases) EXPECT_EQ(ordering::Mod10Solution(c.digits), c.valid) << c.digits;
}

TEST(OnlyNumericSolution, KeepsDigitsOfTheFirstFiftyCharacters)
{
    EXPECT_EQ(ordering::OnlyNumericSolution("4111-1111 abc/1111"), "411111111111");
    EXPECT_EQ(ordering::OnlyNumericSolution(std::string(49, 'x') + "12"), "1");
}

}  // namespace
