#pragma once
// Keeps the desktop's screen saver off while asked to, through the session
// bus's screen-saver inhibit. The calls never wait for the desktop: the
// inhibit's answer arrives later, and a refusal (or no desktop answering on
// the bus) is remembered, so the inhibit is asked for once. An inhibit held,
// or still being asked for, is let go on release and when the object goes.
// Many desktops have no screen-saver service: only a service that answers
// with an error is a failure, reported through onFailure.

#include <QDBusConnection>

#include <functional>
#include <memory>

namespace platform {

class ScreenSaver {
public:
    explicit ScreenSaver(QDBusConnection bus = QDBusConnection::sessionBus());
    ~ScreenSaver();
    ScreenSaver(const ScreenSaver&) = delete;
    ScreenSaver& operator=(const ScreenSaver&) = delete;

    // Asks the desktop to keep the screen saver off, unless asked already or refused.
    void inhibit();
    // Lets the screen saver run again.
    void release();
    // The desktop has granted the inhibit and it is not let go.
    bool inhibited() const;
    // The desktop refused the inhibit, or nothing answered.
    bool refused() const;
    // Called when a screen-saver service answers the inhibit with an error;
    // never after this object has gone.
    void setOnFailure(std::function<void()> onFailure);

    // What the asks share with their answers, which may outlive this object.
    struct State;

private:
    QDBusConnection bus_;
    std::shared_ptr<State> state_;
};

}  // namespace platform
