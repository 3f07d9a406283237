// The order's files: the order text (the design, then the order lines), its
// enciphered form and the posting page, all in the private folder.

#include "ordering/frmPurchase.h"

#include "model/file/designwriter.h"
#include "model/file/textfile.h"
#include "model/hull/design.h"
#include "ordering/ordercipher.h"
#include "ordering/postingpage.h"
#include "ordering/serveraddress.h"
#include "platform/doevents.h"

#include <stdexcept>

namespace ordering {

namespace {

constexpr const char* kCRLF = "\r\n";
// Far beyond any design with its order; a larger file is not read.
constexpr std::uintmax_t kMaxOrderFileBytes = std::uintmax_t(64) << 20;

std::string readOrderFile(const std::filesystem::path& path)
{
    std::optional<std::string> text = model::readTextFile(path, kMaxOrderFileBytes);
    if (!text) throw std::runtime_error("cannot read " + path.string());
    return std::move(*text);
}

void writeOrderFile(const std::filesystem::path& path, std::string_view text)
{
    if (!model::writeFileAtomically(path, text)) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void frmPurchase::FileEncrypt(const std::filesystem::path& FileInName, const std::filesystem::path& fileoutname)
{
    writeOrderFile(fileoutname, ordering::FileEncrypt(readOrderFile(FileInName), Alphabet, KeyTable));
}

void frmPurchase::GenerateHTML(const std::filesystem::path& FileInName, const std::filesystem::path& fileoutname)
{
    const std::optional<std::string> server = orderServerAddress();
    if (!server) throw std::runtime_error("no order server");
    const PostingPageFields fields{record.CardHolderFirstName, record.CardHolderMiddleName,
                                   record.CardHolderLastName,  record.CardHolderEmail,
                                   record.CardHolderPhone,     record.OrderNumber,
                                   OrderType};
    writeOrderFile(fileoutname, ordering::GenerateHTML(readOrderFile(FileInName), fields, *server));
}

bool frmPurchase::writeOrderFiles()
{
    const auto text = folder_.file(kOrderTextName);
    const auto enciphered = folder_.file(kEncipheredName);
    const auto page = folder_.file(kPostPageName);
    bool written = text && enciphered && page;
    try {
        if (written) {
            std::string order = model::writeDesignText(model::currentDesign());
            for (const std::string& line : orderLines(record)) order += line + kCRLF;
            writeOrderFile(*text, order);
            platform::doEvents();
            FileEncrypt(*text, *enciphered);
            GenerateHTML(*enciphered, *page);
        }
    } catch (const std::exception&) {
        written = false;
    }
    // The card data lives on disk no longer than this handler needs it.
    folder_.remove(kOrderTextName);
    folder_.remove(kEncipheredName);
    if (!written) folder_.remove(kPostPageName);
    return written;
}

}  // namespace ordering
