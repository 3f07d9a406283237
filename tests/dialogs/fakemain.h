#pragma once
// The main window's operations for tests of the data windows: run on the
// model and logged in order.

#include "dialogs/frmInfo.h"
#include "dialogs/mainwindowops.h"
#include "model/hull/design.h"
#include "model/hull/sections.h"
#include "model/hydrostatics/hydrostatics.h"

#include <string>
#include <vector>

namespace testsupport {

class FakeMain : public dialogs::MainWindowOps {
public:
    explicit FakeMain(dialogs::frmInfo& info) : info_(info) {}
    std::vector<std::string> log;
    bool waterLine = false;
    double beam = 23;

    void GetCalculations() override
    {
        log.push_back("R1");
        const model::HydroInputs inputs{info_.isChecked("chkAutoPositionCockpit"),
                                        info_.controlText("txtStartMeasuredFrom").toStdString(),
                                        info_.controlText("txtEndMeasuredFrom").toStdString()};
        model::runHydrostatics(model::currentDesign(), inputs, model::currentHydrostatics());
    }
    void makesections() override
    {
        log.push_back("R2");
        model::makesections(model::currentDesign());
    }
    void drawscreens() override { log.push_back("R3"); }
    void DrawWaterline() override { log.push_back("R4"); }
    void enableTimer1() override { log.push_back("R6"); }
    bool viewWaterLineChecked() const override { return waterLine; }
    double MaxBeam() const override { return beam; }
    void ViewData_Click() override {}
    bool viewDataChecked() const override { return false; }
    void resetForNewDesign() override {}
    void setMainWindowEnabled(bool) override {}
    void showStationRow() override {}

private:
    dialogs::frmInfo& info_;
};

}  // namespace testsupport
