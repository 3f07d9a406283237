#include "platform/qtfilesaver.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

// QSaveFile buffers the text, so a full disk or a file-size limit shows only
// when the buffer is flushed, and commit() does not pass a failed flush on.
// Everything is therefore written, flushed and synced before the commit.
bool writtenWhole(QSaveFile& file, std::string_view text)
{
    return file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.flush() &&
           file.error() == QFileDevice::NoError && ::fsync(file.handle()) == 0;
}

// The rename lives in the folder: syncing it keeps the new name through a
// power cut. Only a failed sync fails the save; a folder the user may not
// read, or a file system that cannot sync folders, leaves the rename as it is.
bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return synced;
}

}  // namespace

bool QtFileSaver::save(const std::string& path, std::string_view text)
{
    const QString name = QString::fromStdString(path);
    if (markedReadOnly(QFileInfo(name))) return false;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!writtenWhole(file, text)) {
        file.cancelWriting();
        return false;
    }
    // Through a link the linked file is replaced, in its own folder.
    return file.commit() && syncFolder(QFileInfo(name).canonicalPath());
}

}  // namespace platform
