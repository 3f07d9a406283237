#pragma once
// The one QApplication a Qt test binary needs, created on first use.

#include <QApplication>

namespace testsupport {

inline QApplication& testApp()
{
    static int argc = 1;
    static char name[] = "quillock_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from static destructors at exit
    // crashes in its input-device cleanup.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace testsupport
