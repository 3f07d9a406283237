#pragma once
// Answers a modal dialog from inside its own event loop, so a test can run code that shows one without blocking.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace testsupport {

// Once the next modal widget is shown, does `act` to it if it is a `Dialog`;
// anything else is closed so the test never waits forever.
template <class Dialog>
void whenModalShows(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog && modal) modal->close();
        ASSERT_NE(dialog, nullptr) << "no modal dialog of the expected kind";
        act(*dialog);
    });
}

}  // namespace testsupport
