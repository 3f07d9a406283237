#pragma once
// A private session bus with a desktop's screen-saver service on it, so the
// inhibit calls of the 3D view can be watched without touching a real desktop.

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QThread>

#include <atomic>

namespace testsupport {

class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    std::atomic<int> held{0};  // inhibits not yet let go

public slots:
    uint Inhibit(const QString&, const QString&) { return uint(++held); }
    void UnInhibit(uint) { --held; }
};

// A dbus-daemon of the test's own, with the fake service served from a
// thread of its own so blocking calls from the test thread are answered.
class TestBus {
public:
    TestBus()
    {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        daemon_.waitForReadyRead(5000);
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        fake_.moveToThread(&thread_);
        thread_.start();
        QDBusConnection service = QDBusConnection::connectToBus(address_, "fake-screensaver");
        service.registerObject("/org/freedesktop/ScreenSaver", &fake_, QDBusConnection::ExportAllSlots);
        service.registerService("org.freedesktop.ScreenSaver");
    }
    ~TestBus()
    {
        QDBusConnection::disconnectFromBus("fake-screensaver");
        thread_.quit();
        thread_.wait();
        daemon_.terminate();
        daemon_.waitForFinished();
    }

    QDBusConnection client(const QString& name) { return QDBusConnection::connectToBus(address_, name); }
    FakeScreenSaver& fake() { return fake_; }

private:
    QProcess daemon_;
    QString address_;
    QThread thread_;
    FakeScreenSaver fake_;
};

}  // namespace testsupport
