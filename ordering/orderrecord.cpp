#include "ordering/orderrecord.h"

namespace ordering {

using R = OrderRecord;

const AddressFields kShipFields[10] = {
    &R::ShipFirstName, &R::ShipMiddleName, &R::ShipLastName, &R::ShipAddress1, &R::ShipAddress2,
    &R::ShipCity,      &R::ShipState,      &R::ShipZip,      &R::ShipPhone,    &R::ShipEmail,
};

const AddressFields kCardHolderFields[10] = {
    &R::CardHolderFirstName, &R::CardHolderMiddleName, &R::CardHolderLastName, &R::CardHolderAddress1,
    &R::CardHolderAddress2,  &R::CardHolderCity,       &R::CardHolderState,    &R::CardHolderZip,
    &R::CardHolderPhone,     &R::CardHolderEmail,
};

const AddressFields kCardFields[5] = {&R::OrderCardType, &R::CardNumber, &R::CardExpMonth, &R::CardExpYear,
                                      &R::CardSecurityCode};

std::vector<std::string> orderLines(const OrderRecord& r)
{
    std::vector<std::string> lines;
    for (AddressFields f : kShipFields) lines.push_back(r.*f);
    for (AddressFields f : kCardHolderFields) lines.push_back(r.*f);
    // The dashes mark where the card number starts and ends for the reader.
    for (const std::string& s : {r.OrderCardType, "-" + r.CardNumber + "-", r.CardExpMonth, r.CardExpYear,
                                 r.CardSecurityCode, r.OrderNumber, r.PriceText, r.ShippingText, r.TaxText,
                                 r.TotalText})
        lines.push_back(s);
    return lines;
}

}  // namespace ordering
