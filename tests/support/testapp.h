#pragma once
// The one QApplication a Qt test binary needs, created on first use.

#include <QApplication>

namespace testsupport {

inline QApplication& testApp()
{
    static int argc = 1;
    static char name[] = "quillock_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from static destructors at exit crashes in its input-device cleanup.
    static QApplication* application = [] {
        // Before the application exists, for windows with an embedded browser.
        QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        return new QApplication(argc, argv);
    }();
    return *application;
}

}  // namespace testsupport
