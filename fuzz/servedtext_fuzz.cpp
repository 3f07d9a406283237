// libFuzzer target for the texts the order server serves, read as the order
// form reads them: decoded, stripped of their mark and line ends, then taken
// as an amount, the taxed state and the total. Whatever the bytes, nothing
// may crash; the decoded text must be UTF-8 (it goes into the order and the
// posting page), a text that already was UTF-8 must come through unchanged,
// and no amount or total may come out as anything but a finite number.

#include "ordering/placement.h"
#include "ordering/serveddecoding.h"
#include "ordering/servedtext.h"

#include <QStringDecoder>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The state list's names carry a trailing blank.
constexpr std::string_view kTaxedState = "Oregon ";
// U+FFFD in UTF-8: what a decoder puts for bytes it cannot read.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool validUtf8(std::string_view text)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The decoding runs only when its result is taken as a string.
    const QString decoded = decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    return !decoder.hasError();
}

void checkAmounts(const std::string& text)
{
    if (const auto amount = ordering::servedAmount(text); amount && !std::isfinite(*amount))
        fail("a served amount is not a finite number");
    const std::string tax = ordering::taxText(text, kTaxedState, text);
    if (tax != ordering::kNoTax && tax != text) fail("the tax is neither the served rate nor none");
    if (const auto total = ordering::totalText(text, tax)) {
        char* end = nullptr;
        const double value = std::strtod(total->c_str(), &end);
        if (end == total->c_str() || !std::isfinite(value)) fail("a total does not read back as a finite number");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string decoded = ordering::decodedServedText(bytes);
    if (!validUtf8(decoded)) fail("a decoded text is not UTF-8");
    // UTF-8, its mark included, comes through byte for byte; no UTF-16 mark is valid UTF-8.
    if (validUtf8(bytes) && decoded != bytes) fail("a UTF-8 text was changed by its decoding");
    // Without a mark every byte is a character: none is lost to a replacement character.
    const bool marked = QStringConverter::encodingForData(QByteArrayView(data, qsizetype(size))).has_value();
    if (!marked && bytes.find(kReplacement) == std::string_view::npos && decoded.find(kReplacement) != std::string::npos)
        fail("a text without a mark lost a byte in its decoding");

    const std::string text = ordering::servedText(decoded);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) fail("a served text kept a line end");
    checkAmounts(text);
    return 0;
}
