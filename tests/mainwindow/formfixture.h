#pragma once
// The main window (or a subclass of it) on the offscreen platform, with
// scripted message boxes and file dialogs and an end of the program that only counts.

#include "mainwindow/Form1.h"
#include "model/file/designwriter.h"
#include "model/hydrostatics/hydrostatics.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace testsupport {

// The program's top-level window of the given object name, shown or not.
inline QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

template <class Window>
class FormFixtureOf : public ::testing::Test {
protected:
    FormFixtureOf()
    {
        model::currentDesign() = {};
        model::currentHydrostatics() = {};
        form = std::make_unique<Window>(messages, dialogs);
        form->endProgram = [this] { ++ended; };
        form->show();
        QApplication::processEvents();
    }

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    void open(const std::string& file)
    {
        dialogs.answers.push_back(file);
        form->menu("Open").click();
    }
    void openKayak()
    {
        std::ofstream(path("kayak.qlk"), std::ios::binary) << model::writeDesignText(cockpitKayak());
        open(path("kayak.qlk"));
    }

    QApplication& app = testApp();  // before any widget
    QTemporaryDir dir;
    ScriptedMessageBox messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<Window> form;
    int ended = 0;
};

using FormFixture = FormFixtureOf<mainwindow::Form1>;

}  // namespace testsupport
