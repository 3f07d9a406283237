#include "platform/qtfilesaver.h"

#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

// No write bit for anyone: the user asked for the file to stay as it is.
// (WriteUser asks the system, which lets root write anything.)
bool markedReadOnly(const QFileInfo& info)
{
    constexpr QFileDevice::Permissions kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && !(info.permissions() & kAnyWrite);
}

}  // namespace

bool QtFileSaver::save(const std::string& path, std::string_view text)
{
    const QString name = QString::fromStdString(path);
    if (markedReadOnly(QFileInfo(name))) return false;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace platform
