// The program's entry: the main window, shown modeless; the message loop
// runs the rest.

#include "mainwindow/Form1.h"
#include "platform/qtfiledialogs.h"
#include "platform/qtmessagebox.h"
#include "platform/terminationsignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The verify window's embedded browser shares OpenGL contexts.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    platform::setUpProgramSignals();
    platform::QtMessageBox messages(nullptr);
    platform::QtFileDialogs dialogs(nullptr);
    mainwindow::Form1 form(messages, dialogs);
    messages.setOwner(&form);
    dialogs.setOwner(&form);
    form.show();
    return app.exec();
}
