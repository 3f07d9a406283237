#include "ordering/placement.h"

#include "model/file/numbertext.h"
#include "model/file/textreading.h"
#include "model/hull/floaterror.h"
#include "ordering/purchaselists.h"

#include <cmath>
#include <cstdio>

namespace ordering {

namespace {

using R = OrderRecord;
using T = CharacterTest;

constexpr FieldRule kShippingRules[] = {
    {&R::ShipFirstName, kShippingBoxes[0], "Please provide first name.", T::Always},
    {&R::ShipMiddleName, kShippingBoxes[1], nullptr, T::None},
    {&R::ShipLastName, kShippingBoxes[2], "Please provide last name.", T::Always},
    {&R::ShipAddress1, kShippingBoxes[3], "Please provide street address.", T::Always},
    {&R::ShipAddress2, kShippingBoxes[4], nullptr, T::WhenNotEmpty},
    {&R::ShipCity, kShippingBoxes[5], "Please provide city.", T::Always},
    {&R::ShipState, kShippingBoxes[6], nullptr, T::None},
    {&R::ShipZip, kShippingBoxes[7], "Please provide zip/postal code.", T::Always},
    {&R::ShipPhone, kShippingBoxes[8], "Please provide phone number.", T::Always},
    {&R::ShipEmail, kShippingBoxes[9], "Please provide email address.", T::Always},
};

constexpr FieldRule kCardHolderRules[] = {
    {&R::CardHolderFirstName, kCardHolderBoxes[0], "Please provide card holders first name.", T::Always},
    {&R::CardHolderMiddleName, kCardHolderBoxes[1], nullptr, T::None},
    {&R::CardHolderLastName, kCardHolderBoxes[2], "Please provide card holders last name.", T::Always},
    {&R::CardHolderAddress1, kCardHolderBoxes[3], "Please provide card holders street address.", T::Always},
    {&R::CardHolderAddress2, kCardHolderBoxes[4], nullptr, T::WhenNotEmpty},
    {&R::CardHolderCity, kCardHolderBoxes[5], "Please provide card holders city.", T::Always},
    {&R::CardHolderState, kCardHolderBoxes[6], nullptr, T::None},
    {&R::CardHolderZip, kCardHolderBoxes[7], "Please provide card holders zip code.", T::Always},
    {&R::CardHolderPhone, kCardHolderBoxes[8], "Please provide card holders phone number.", T::Always},
    {&R::CardHolderEmail, kCardHolderBoxes[9], "Please provide card holders email address.", T::Always},
};

constexpr FieldRule kCardRules[] = {
    {&R::OrderCardType, kCardBoxes[0], "Please provide card type.", T::None},
    {&R::CardNumber, kCardBoxes[1], "Please provide card number.", T::Always},
    {&R::CardExpMonth, kCardBoxes[2], "Please provide card expiration month.", T::Always},
    {&R::CardExpYear, kCardBoxes[3], "Please provide card expiration year.", T::Always},
    {&R::CardSecurityCode, kCardBoxes[4], "Please provide card security code.", T::Always},
};

template <std::size_t N>
std::optional<std::string> copyRules(const FieldRule (&rules)[N], OrderRecord& record, const BoxText& textOf,
                                     std::string_view alphabet)
{
    for (const FieldRule& rule : rules) {
        std::string& value = record.*rule.field;
        value = textOf(rule.box);
        if (value.empty() && rule.emptyMessage) return rule.emptyMessage;
        if (rule.test == T::None) continue;
        if (auto refusal = characterRefusal(value, alphabet)) return refusal;
    }
    return std::nullopt;
}

constexpr int kHoursOnClock = 12;
constexpr unsigned kUtf8LeadMask = 0xC0;
constexpr unsigned kUtf8Continuation = 0x80;

// Where the character starting at byte `i` ends: beyond ASCII a character
// is several bytes of UTF-8.
std::size_t characterEnd(std::string_view text, std::size_t i)
{
    std::size_t end = i + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & kUtf8LeadMask) == kUtf8Continuation) ++end;
    return end;
}

// The first `count` characters of `s` without its leading and trailing blanks.
std::string leading(std::string_view s, std::size_t count)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    std::size_t end = 0;
    for (; count > 0 && end < s.size(); --count) end = characterEnd(s, end);
    return std::string(s.substr(0, end));
}
constexpr int kYearBase = 1900;

}  // namespace

double numericValue(std::string_view text) { return servedAmount(text).value_or(0); }

std::optional<double> servedAmount(std::string_view text)
{
    try {
        return model::leadingNumber(text);
    } catch (const model::FloatError&) {
        return std::nullopt;
    }
}

std::optional<std::string> characterRefusal(std::string_view text, std::string_view alphabet)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (alphabet.find(text[i]) != std::string_view::npos) continue;
        return "The character " + std::string(text.substr(i, characterEnd(text, i) - i)) + " is not allowed in " + std::string(text);
    }
    return std::nullopt;
}

std::optional<std::string> copyFields(FieldGroup group, OrderRecord& record, const BoxText& textOf,
                                      std::string_view alphabet)
{
    switch (group) {
    case FieldGroup::Shipping: return copyRules(kShippingRules, record, textOf, alphabet);
    case FieldGroup::CardHolder: return copyRules(kCardHolderRules, record, textOf, alphabet);
    case FieldGroup::Card: break;
    }
    return copyRules(kCardRules, record, textOf, alphabet);
}

void copyShippingToCardHolder(OrderRecord& record, const BoxText& textOf)
{
    for (std::size_t i = 0; i < std::size(kShippingRules); ++i)
        record.*kCardHolderRules[i].field = textOf(kShippingRules[i].box);
}

std::string taxText(std::string_view stateReply, std::string_view cardHolderState, std::string_view taxReply)
{
    // An empty reply names no state, so it taxes nobody, not the buyers who gave none.
    return !stateReply.empty() && stateReply == cardHolderState ? std::string(taxReply) : kNoTax;
}

std::optional<std::string> totalText(std::string_view priceText, std::string_view taxText)
{
    const std::optional<double> p = servedAmount(priceText);
    const std::optional<double> t = servedAmount(taxText);
    if (!p || !t) return std::nullopt;
    const double total = *p + *p * *t;
    if (!std::isfinite(total)) return std::nullopt;
    return model::numberText(total);
}

std::optional<std::string> orderNumber(const OrderRecord& r, int orderType, const std::tm& local)
{
    if (orderType != kFullSizePlans && orderType != kScaleModelPlans) return std::nullopt;
    std::string number = leading(r.CardHolderFirstName, 2) + leading(r.CardHolderMiddleName, 1) +
                         leading(r.CardHolderLastName, 2) + (orderType == kFullSizePlans ? "L" : "M");
    const int hour = local.tm_hour % kHoursOnClock == 0 ? kHoursOnClock : local.tm_hour % kHoursOnClock;
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%d%d%d%d%02d%02d%s", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + kYearBase, hour, local.tm_min, local.tm_sec,
                  local.tm_hour < kHoursOnClock ? "AM" : "PM");
    return number + stamp;
}

}  // namespace ordering
