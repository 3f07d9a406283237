#include "ordering/serveddecoding.h"

#include <QStringDecoder>

#include <optional>

namespace ordering {

namespace {

// Stateless: a character cut off at the end is invalid, not left waiting
// for bytes that never come.
constexpr QStringConverter::Flags kFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

}  // namespace

std::string decodedServedText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    // Without a mark Qt names no encoding: UTF-8 is tried, then Latin-1.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(view);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8), kFlags);
    QString text = decoder.decode(view);
    if (!marked && decoder.hasError()) text = QString::fromLatin1(view);
    return text.toStdString();
}

}  // namespace ordering
