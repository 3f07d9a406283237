#pragma once
// Keeps the desktop's screen saver off while asked to, through the session
// bus's screen-saver inhibit. Without a session bus (or a desktop that
// answers on it) it does nothing. An inhibit still held is let go when the
// object goes.

#include <QDBusConnection>

namespace platform {

class ScreenSaver {
public:
    explicit ScreenSaver(QDBusConnection bus = QDBusConnection::sessionBus());
    ~ScreenSaver();
    ScreenSaver(const ScreenSaver&) = delete;
    ScreenSaver& operator=(const ScreenSaver&) = delete;

    // Lets the screen saver run (true) or keeps it off (false). True when
    // the desktop is in the asked state afterwards.
    bool setActive(bool active);
    bool inhibited() const { return inhibited_; }

private:
    QDBusConnection bus_;
    unsigned cookie_ = 0;
    bool inhibited_ = false;
};

}  // namespace platform
