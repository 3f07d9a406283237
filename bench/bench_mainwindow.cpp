#include "dialogs/frmInfo.h"
#include "mainwindow/Form1.h"
#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"
#include "tests/support/designbuilder.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The main window at 1600 x 1000 with a seven-line kayak loaded.
struct LoadedWindow {
    testsupport::ScriptedMessageBox messages;
    testsupport::ScriptedFileDialogs dialogs;
    std::unique_ptr<mainwindow::Form1> form;

    LoadedWindow()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        testsupport::testApp();
        model::currentDesign() = testsupport::cockpitKayak();
        form = std::make_unique<mainwindow::Form1>(messages, dialogs);
        form->resize(1600, 1000);
        form->show();
        QApplication::processEvents();
        form->GetCalculations();
        form->makesections();
        form->drawscreens();
    }
};

}  // namespace

static void BM_rebuildCycle_1600x1000(benchmark::State& state)
{
    LoadedWindow w;
    for (auto _ : state) {
        w.form->GetCalculations();
        w.form->makesections();
        w.form->drawscreens();
    }
}
BENCHMARK(BM_rebuildCycle_1600x1000)->Unit(benchmark::kMillisecond);
