#pragma once
// The one QApplication a Qt test binary needs, created on first use.

#include <QApplication>

namespace testsupport {

inline QApplication& testApp()
{
    static int argc = 1;
    static char name[] = "quillock_tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

}  // namespace testsupport
