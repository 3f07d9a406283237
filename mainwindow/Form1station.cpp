// The section editor's station buttons.

#include "mainwindow/Form1.h"

#include "model/hydrostatics/inchtext.h"

#include <QLineEdit>

namespace mainwindow {

void Form1::Command1_Click() { stepStation(true); }
void Form1::Command2_Click() { stepStation(false); }

void Form1::stepStation(bool forward)
{
    state_.ActiveView = views::kActiveNone;
    model::Design& d = model::currentDesign();
    if (!d.DesignLoaded) return;
    // Past either end the step wraps to the other.
    if (forward) d.CurrentStation = d.CurrentStation < d.StationCount ? std::int16_t(d.CurrentStation + 1) : 0;
    else d.CurrentStation = d.CurrentStation >= 1 ? std::int16_t(d.CurrentStation - 1) : std::int16_t(model::stationBound(d.StationCount));
    Text1->setText(QString::fromStdString(model::inchText(d.HullLength / d.StationCount * d.CurrentStation)));
    drawscreens();
    if (viewWaterLineChecked()) DrawWaterline();
}

}  // namespace mainwindow
