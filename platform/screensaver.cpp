#include "platform/screensaver.h"

#include <QCoreApplication>
#include <QDBusMessage>

namespace platform {

namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
constexpr const char* kInterface = "org.freedesktop.ScreenSaver";
constexpr const char* kReason = "Showing the 3D view";
// A desktop that does not answer soon must not hold up the window.
constexpr int kCallTimeoutMs = 1000;

}  // namespace

ScreenSaver::ScreenSaver(QDBusConnection bus) : bus_(std::move(bus)) {}

ScreenSaver::~ScreenSaver() { setActive(true); }

bool ScreenSaver::setActive(bool active)
{
    if (active != inhibited_) return true;
    if (!bus_.isConnected()) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, active ? "UnInhibit" : "Inhibit");
    if (active) call << cookie_;
    else call << QCoreApplication::applicationName() << QString(kReason);
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) return false;
    if (!active) {
        if (reply.arguments().isEmpty()) return false;
        cookie_ = reply.arguments().constFirst().toUInt();
    }
    inhibited_ = !active;
    return true;
}

}  // namespace platform
