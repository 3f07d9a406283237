#pragma once
// The arithmetic and checks of placing an order: copying the boxes into the
// record with their refusals, the sales-tax rule, the total and the order
// number. The order form runs them in this order and shows the refusals.

#include "ordering/ordercipher.h"
#include "ordering/orderrecord.h"
#include "ordering/postingpage.h"

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ordering {

inline constexpr const char* kNoTax = "0.00";

enum class CharacterTest { None, Always, WhenNotEmpty };

struct FieldRule {
    std::string OrderRecord::*field;
    const char* box;            // the order form's control the text comes from
    const char* emptyMessage;   // nullptr: the field may be empty
    CharacterTest test;
};

// A text's leading number, 0 when it has none or one too large to hold.
double numericValue(std::string_view text);

// An amount the server serves: the text's leading number, 0 when it has
// none; nothing when it is too large to hold, which no price or rate is.
std::optional<double> servedAmount(std::string_view text);

// The message for the first character of `text` outside `alphabet`.
std::optional<std::string> characterRefusal(std::string_view text, std::string_view alphabet);

// The box texts: `textOf` gives a control's text by name.
using BoxText = std::function<std::string(const char* box)>;

enum class FieldGroup { Shipping, CardHolder, Card };

// Copies one group's boxes into the record in order and stops at the first
// refusal, whose message it returns; the fields before it keep their copies.
std::optional<std::string> copyFields(FieldGroup group, OrderRecord& record, const BoxText& textOf,
                                      std::string_view alphabet);

// The card holder's ten fields from the shipping boxes, unchecked.
void copyShippingToCardHolder(OrderRecord& record, const BoxText& textOf);

// The tax rate text: the server's rate when its taxed state is exactly the
// card holder's, whole and case-sensitive, so it carries the trailing blank
// of the form's state names; "0.00" otherwise.
std::string taxText(std::string_view stateReply, std::string_view cardHolderState, std::string_view taxReply);

// Price plus tax on it, in the design file's number text (leading blank).
// Texts without a leading number count as 0; nothing when an amount is too
// large to hold or the total is not a finite number.
std::optional<std::string> totalText(std::string_view priceText, std::string_view taxText);

// The order number before it is put in upper case: name letters as typed,
// "L" or "M", then the local date and time as month, day, year, hour
// (12-hour clock), minutes, seconds and AM/PM. The form upper-cases the
// whole text with Unicode's rules, letters beyond a-z included, which the
// standard library cannot do without the process locale. Nothing for an
// order type other than 1 or 2.
std::optional<std::string> orderNumber(const OrderRecord& record, int orderType, const std::tm& local);

}  // namespace ordering
