#pragma once
// Paces repaints while a long run of steps yields to the event loop between
// steps: while the pacer lives, windows repaint at most once per screen
// refresh. A repaint asked for sooner is held, and done at the first yield
// after the refresh interval, or when the pacer goes; every other event runs
// at each yield as before.

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

namespace platform {

class RepaintPacer : public QObject {
public:
    RepaintPacer();
    ~RepaintPacer() override;

    // Lets pending events run but no user input (as doEvents does), the
    // repaints paced.
    void doEvents();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releaseHeld();

    qint64 intervalNs_;
    QElapsedTimer sinceRepaint_;
    bool repaintDue_ = false;
    QList<QPointer<QObject>> held_;
};

}  // namespace platform
