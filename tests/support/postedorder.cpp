#include "tests/support/postedorder.h"

#include "ordering/ordercipher.h"
#include "ordering/orderrecord.h"
#include "ordering/postingpage.h"

namespace testsupport {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kServer = "http://127.0.0.1";
constexpr std::string_view kName = "name=", kValue = "value='";

ordering::OrderRecord cardOrder(std::string_view number) {
  ordering::OrderRecord r;
  r.ShipFirstName = r.CardHolderFirstName = "Anna";
  r.ShipMiddleName = r.CardHolderMiddleName = "Maria";
  r.ShipLastName = r.CardHolderLastName = "Berg";
  r.ShipAddress1 = r.CardHolderAddress1 = "12 Main St.";
  r.ShipCity = r.CardHolderCity = "Salem";
  r.ShipState = r.CardHolderState = "Oregon ";
  r.ShipZip = r.CardHolderZip = "97301";
  r.ShipPhone = r.CardHolderPhone = "555-0100";
  r.ShipEmail = r.CardHolderEmail = "anna_b@mail.example";
  r.OrderCardType = "Visa";
  r.CardNumber = "4111111111111111";
  r.CardExpMonth = "07";
  r.CardExpYear = "2030";
  r.CardSecurityCode = "123";
  r.OrderNumber = number;
  r.PriceText = r.TotalText = " 45";
  r.ShippingText = "0";
  r.TaxText = "0.00";
  return r;
}

// Every named input's value as the page holds it; the sample's values hold
// no character a browser would have to turn back from a reference.
FormFields fieldsOnPage(std::string_view page) {
  FormFields fields;
  for (std::size_t at = page.find(kName); at != std::string_view::npos; at = page.find(kName, at)) {
    at += kName.size();
    std::string_view name = page.substr(at, page.find(' ', at) - at);
    if (name.starts_with('\'')) name = name.substr(1, name.size() - 2);
    const std::size_t from = page.find(kValue, at) + kValue.size();
    at = page.find('\'', from);
    fields.emplace_back(name, page.substr(from, at - from));
  }
  return fields;
}

}  // namespace

FormFields postedOrder(std::string_view designText, std::string_view number) {
  const ordering::OrderRecord record = cardOrder(number);
  std::string text(designText);
  for (const std::string& line : ordering::orderLines(record)) text += line + std::string(kLineEnd);
  const ordering::PostingPageFields shown{record.CardHolderFirstName, record.CardHolderMiddleName,
                                          record.CardHolderLastName,  record.CardHolderEmail,
                                          record.CardHolderPhone,     record.OrderNumber,
                                          ordering::kFullSizePlans};
  return fieldsOnPage(ordering::GenerateHTML(
      ordering::FileEncrypt(text, ordering::kAlphabet, ordering::kKeyTable), shown, kServer));
}

}  // namespace testsupport
