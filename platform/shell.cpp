#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopShell::openWebAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace platform
