#pragma once
// The main window's operations for tests of the data windows: run on the
// model and logged in order.

#include "dialogs/frmInfo.h"
#include "dialogs/mainwindowops.h"
#include "model/design.h"
#include "model/hydrostatics.h"
#include "model/maxbeam.h"
#include "model/sections.h"

#include <string>
#include <vector>

namespace testsupport {

using dialogs::frmInfo;
using model::currentDesign;
using model::currentHydrostatics;

class FakeMain : public dialogs::MainWindowOps {
public:
    explicit FakeMain(frmInfo& info) : info_(info) {}
    std::vector<std::string> log;
    bool waterLine = false;
    double beam = 23;

    void GetCalculations() override
    {
        log.push_back("R1");
        const model::HydroInputs inputs{info_.isChecked("chkAutoPositionCockpit"),
                                        info_.controlText("txtStartMeasuredFrom").toStdString(),
                                        info_.controlText("txtEndMeasuredFrom").toStdString()};
        model::runHydrostatics(currentDesign(), inputs, currentHydrostatics());
    }
    void makesections() override
    {
        log.push_back("R2");
        model::makesections(currentDesign());
    }
    void drawscreens() override { log.push_back("R3"); }
    void DrawWaterline() override { log.push_back("R4"); }
    void ViewData_Click() override {}
    bool viewWaterLineChecked() const override { return waterLine; }
    bool viewDataChecked() const override { return false; }
    void enableTimer1() override { log.push_back("R6"); }
    double MaxBeam() const override { return beam; }
    void resetForNewDesign() override { log.push_back("reset"); }
    void setMainWindowEnabled(bool on) override { enabled = on; }
    void showStationRow() override { stationRow = true; }
    bool enabled = true;
    bool stationRow = false;

private:
    frmInfo& info_;
};


}  // namespace testsupport
