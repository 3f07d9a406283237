#include "platform/screensaver.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform {

namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
constexpr const char* kInterface = "org.freedesktop.ScreenSaver";
constexpr const char* kReason = "Showing the 3D view";
constexpr const char* kNameHasNoOwner = "org.freedesktop.DBus.Error.NameHasNoOwner";

}  // namespace

struct ScreenSaver::State {
    enum class Stage { Idle, Asking, Held, Refused } stage = Stage::Idle;
    bool letGoWhenGranted = false;
    unsigned cookie = 0;
    std::function<void()> onFailure;
};

namespace {

// The bus's own answers where no screen-saver service is there to answer.
bool noServiceThere(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
    case QDBusError::NoServer: return true;
    default: return error.name() == QLatin1String(kNameHasNoOwner);
    }
}

void sendUnInhibit(QDBusConnection& bus, unsigned cookie)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "UnInhibit");
    call << cookie;
    bus.send(call);  // nothing to wait for
}

}  // namespace

ScreenSaver::ScreenSaver(QDBusConnection bus) : bus_(std::move(bus)), state_(std::make_shared<State>()) {}

ScreenSaver::~ScreenSaver()
{
    state_->onFailure = nullptr;
    release();
}

void ScreenSaver::setOnFailure(std::function<void()> onFailure) { state_->onFailure = std::move(onFailure); }

void ScreenSaver::inhibit()
{
    using Stage = State::Stage;
    if (state_->stage == Stage::Asking) state_->letGoWhenGranted = false;
    if (state_->stage != Stage::Idle) return;
    if (!bus_.isConnected()) {
        state_->stage = Stage::Refused;
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Inhibit");
    call << QCoreApplication::applicationName() << QString(kReason);
    state_->stage = Stage::Asking;
    state_->letGoWhenGranted = false;
    // The watcher lives until the answer comes, even past this object.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [state = state_, bus = bus_](QDBusPendingCallWatcher* w) mutable {
                         w->deleteLater();
                         const QDBusPendingReply<uint> reply = *w;
                         if (reply.isError()) {
                             state->stage = Stage::Refused;
                             // A copy: whoever answers may let this object go meanwhile.
                             const auto report = state->onFailure;
                             if (report && !noServiceThere(reply.error())) report();
                             return;
                         }
                         if (state->letGoWhenGranted) {
                             sendUnInhibit(bus, reply.value());
                             state->stage = Stage::Idle;
                             return;
                         }
                         state->cookie = reply.value();
                         state->stage = Stage::Held;
                     });
}

void ScreenSaver::release()
{
    using Stage = State::Stage;
    switch (state_->stage) {
    case Stage::Asking: state_->letGoWhenGranted = true; break;
    case Stage::Held:
        sendUnInhibit(bus_, state_->cookie);
        state_->stage = Stage::Idle;
        break;
    case Stage::Idle:
    case Stage::Refused: break;
    }
}

bool ScreenSaver::inhibited() const { return state_->stage == State::Stage::Held; }
bool ScreenSaver::refused() const { return state_->stage == State::Stage::Refused; }

}  // namespace platform
