// The posting page of the order: the order text (the design, then the
// order lines) enciphered and wrapped, all in memory.

#include "ordering/frmPurchase.h"

#include "model/file/designwriter.h"
#include "model/hull/design.h"
#include "ordering/ordercipher.h"
#include "ordering/postingpage.h"
#include "ordering/purchaselists.h"
#include "ordering/serveraddress.h"
#include "platform/doevents.h"

namespace ordering {

namespace {

constexpr const char* kCRLF = "\r\n";

// Overwrites the text before its memory is given back.
void wipe(std::string& text)
{
    std::fill(text.begin(), text.end(), '\0');
    text.clear();
}

}  // namespace

bool frmPurchase::makePostingPage()
{
    const std::optional<std::string> server = orderServerAddress();
    if (!server) return false;
    std::string order = model::writeDesignText(model::currentDesign());
    for (const std::string& line : orderLines(record)) order += line + kCRLF;
    platform::doEvents();
    const PostingPageFields fields{record.CardHolderFirstName, record.CardHolderMiddleName, record.CardHolderLastName,
                                   record.CardHolderEmail,     record.CardHolderPhone,      record.OrderNumber,
                                   OrderType};
    dropPostingPage();
    postingPage_ = GenerateHTML(FileEncrypt(order, Alphabet, KeyTable), fields, *server);
    wipe(order);
    return true;
}

void frmPurchase::dropPostingPage() { wipe(postingPage_); }

void frmPurchase::forgetCard()
{
    constexpr std::size_t kNumber = 1, kSecurityCode = 4;
    for (const std::size_t box : {kNumber, kSecurityCode}) setBoxText(kCardBoxes[box], {});
}

}  // namespace ordering
