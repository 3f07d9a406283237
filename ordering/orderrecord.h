#pragma once
// One order's customer, card-holder, card and amount texts, and the 30 order
// lines that follow the design in the order text.

#include <string>
#include <vector>

namespace ordering {

struct OrderRecord {
    std::string ShipFirstName, ShipMiddleName, ShipLastName, ShipAddress1, ShipAddress2, ShipCity, ShipState,
        ShipZip, ShipPhone, ShipEmail;
    std::string CardHolderFirstName, CardHolderMiddleName, CardHolderLastName, CardHolderAddress1,
        CardHolderAddress2, CardHolderCity, CardHolderState, CardHolderZip, CardHolderPhone, CardHolderEmail;
    std::string OrderCardType, CardNumber, CardExpMonth, CardExpYear, CardSecurityCode;
    std::string OrderNumber, PriceText, TaxText, ShippingText, TotalText;
};

// The record's fields by frame, in the record's order.
using AddressFields = std::string OrderRecord::*;
extern const AddressFields kShipFields[10];
extern const AddressFields kCardHolderFields[10];
// The card type, number, expiry month and year and security code.
extern const AddressFields kCardFields[5];

// The 30 order lines: fields 1 to 25 with the card number between dashes,
// then the order number, price, shipping, tax and total.
std::vector<std::string> orderLines(const OrderRecord& record);

}  // namespace ordering
