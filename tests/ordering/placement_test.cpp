#include "ordering/placement.h"
#include "ordering/purchaselists.h"

#include <gtest/gtest.h>

#include <map>
#include <span>

namespace {

using namespace ordering;

TEST(Placement, CharacterTestNamesTheCharacterAndRepeatsTheField)
{
    EXPECT_EQ(characterRefusal("Jos\xc3\xa9", kAlphabet), "The character \xc3\xa9 is not allowed in Jos\xc3\xa9");
    EXPECT_EQ(characterRefusal("4111 1111-1111_1111.@,", kAlphabet), std::nullopt);
}

TEST(Placement, CopyStopsAtTheFirstRefusalWithEarlierFieldsCopied)
{
    const std::map<std::string, std::string> sound = {
        {"txtFirstName", "blank"}, {"txtMiddleName", "J/R"}, {"txtLastName", "Berg"}, {"txtaddress1", "1 Main"},
        {"txtAddress2", ""},       {"txtCity", "Salem"},     {"cmbState", "Oregon "}, {"txtZip", "97301"},
        {"txtphonenumber", "555"}, {"txtEmailAddress", "a@b.c"}};
    // An untouched box's "blank" passes, the unchecked middle name too.
    const struct { const char *box, *text; std::optional<std::string> message; } cases[] = {
        {"txtCity", "Salem", std::nullopt},
        {"txtAddress2", "Apt #2", "The character # is not allowed in Apt #2"},
        {"txtZip", "", "Please provide zip/postal code."},
    };
    for (const auto& c : cases) {
        auto boxes = sound;
        boxes[c.box] = c.text;
        const BoxText textOf = [&boxes](const char* box) { return boxes.at(box); };
        OrderRecord r;
        r.ShipEmail = "old@mail";
        EXPECT_EQ(copyFields(FieldGroup::Shipping, r, textOf, kAlphabet), c.message) << c.box;
        // After a stop the e-mail is the previous order's.
        EXPECT_EQ(r.ShipFirstName + r.ShipMiddleName + r.ShipEmail, c.message ? "blankJ/Rold@mail" : "blankJ/Ra@b.c");
        copyShippingToCardHolder(r, textOf);
        EXPECT_EQ(r.CardHolderMiddleName + r.CardHolderState + r.CardHolderEmail, "J/ROregon a@b.c");
    }
}

// Every box of the three groups emptied alone: the tail of its message after the group's prefix, none where the box may
// stay empty.
TEST(Placement, EveryEmptyRequiredBoxHasItsMessage)
{
    const std::tuple<FieldGroup, std::span<const char* const>, std::string, std::string> groups[] = {
        {FieldGroup::Shipping, kShippingBoxes, "Please provide ",
         "first name.||last name.|street address.||city.||zip/postal code.|phone number.|email address.|"},
        {FieldGroup::CardHolder, kCardHolderBoxes, "Please provide card holders ",
         "first name.||last name.|street address.||city.||zip code.|phone number.|email address.|"},
        {FieldGroup::Card, kCardBoxes, "Please provide ",
         "card type.|card number.|card expiration month.|card expiration year.|card security code.|"}};
    for (const auto& [group, boxes, prefix, tails] : groups) {
        std::string got;
        for (const char* empty : boxes) {
            const BoxText textOf = [empty](const char* box) { return std::string_view(box) == empty ? "" : "x"; };
            OrderRecord r;
            const auto message = copyFields(group, r, textOf, kAlphabet);
            const bool prefixed = message && message->starts_with(prefix);
            got += (!message ? "" : prefixed ? message->substr(prefix.size()) : "?" + *message) + "|";
        }
        EXPECT_EQ(got, tails);
    }
}

TEST(Placement, TaxOnlyForTheServersStateAndTotals)
{
    EXPECT_EQ(taxText("", "", "0.088") + "|" + taxText("Texas ", "Oregon ", "0.088"), "0.00|0.00");
    // The name is compared whole: a blank more or less names another state.
    EXPECT_EQ(taxText("\tOregon", "Oregon ", "0.088") + "|" + taxText("Oregon", "Oregon ", "0.088") + "|" +
                  taxText("Oregon ", "Oregon ", "0.088"),
              "0.00|0.00|0.088");
    EXPECT_EQ(totalText("135", "0.00").value() + "|" + totalText("free", "0.088").value() + "|" +
                  totalText("-10", "0.5").value(),
              " 135| 0|-15");
    // An amount too large to hold, or a total beyond any double, is no total at all.
    for (const auto& [price, tax] : {std::pair{"1E999", "0.1"}, {"45", "1e400"}, {"1e308", "1"}, {"-1e308", "2"}})
        EXPECT_EQ(totalText(price, tax), std::nullopt) << price << " " << tax;
}

TEST(Placement, OrderNumberFromNamesKindAndClock)
{
    const auto at = [](int year, int month, int day, int hour, int minute, int second) {
        std::tm t{};
        t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day;
        t.tm_hour = hour, t.tm_min = minute, t.tm_sec = second;
        return t;
    };
    const std::tm fixed = at(2009, 12, 5, 15, 45, 7);
    OrderRecord r;
    r.CardHolderFirstName = " Anna", r.CardHolderMiddleName = "maria ", r.CardHolderLastName = "Berg";
    // The letters as typed: the form puts the whole number in upper case.
    EXPECT_EQ(orderNumber(r, kFullSizePlans, fixed), "AnmBeL125200934507PM");
    EXPECT_EQ(orderNumber(r, kScaleModelPlans, at(2026, 1, 31, 0, 5, 9)), "AnmBeM1312026120509AM");
    EXPECT_EQ(orderNumber(r, kFullSizePlans, at(2026, 7, 4, 12, 0, 0)), "AnmBeL742026120000PM");
    EXPECT_EQ(orderNumber(r, 0, fixed), std::nullopt);
    r.CardHolderMiddleName = "", r.CardHolderLastName = "B";
    EXPECT_EQ(orderNumber(r, kFullSizePlans, fixed), "AnBL125200934507PM");
    // The middle name is not character-checked: its first letter is taken whole.
    r.CardHolderMiddleName = "\xc3\xa9lise";
    EXPECT_EQ(orderNumber(r, kFullSizePlans, fixed), "An\xc3\xa9" "BL125200934507PM");
}

TEST(Placement, OrderLinesPutShippingBeforeTaxAndDashTheCardNumber)
{
    OrderRecord r;
    r.ShipFirstName = "S1", r.CardHolderEmail = "C10", r.OrderCardType = "Visa", r.CardNumber = "4111";
    r.CardSecurityCode = "123", r.OrderNumber = "N", r.PriceText = "P", r.TaxText = "T", r.ShippingText = "S";
    r.TotalText = "X";
    const std::vector<std::string> lines = orderLines(r);
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0] + "|" + lines[19], "S1|C10");
    EXPECT_EQ(std::vector(lines.begin() + 20, lines.end()),
              (std::vector<std::string>{"Visa", "-4111-", "", "", "123", "N", "P", "S", "T", "X"}));
}

}  // namespace
