#include "platform/doevents.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace platform {

void doEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace platform
