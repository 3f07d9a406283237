// The section editor's station buttons.

#include "mainwindow/Form1.h"

#include "model/hydrostatics/inchtext.h"

#include <QLineEdit>

#include <algorithm>

namespace mainwindow {

void Form1::Command1_Click() { stepStation(true); }
void Form1::Command2_Click() { stepStation(false); }

void Form1::stepStation(bool forward)
{
    state_.ActiveView = views::kActiveNone;
    model::Design& d = model::currentDesign();
    if (!d.DesignLoaded) return;
    // Past either end of the built stations the step wraps to the other.
    const int last = model::stationBound(d.StationCount);
    if (forward) d.CurrentStation = d.CurrentStation < last ? std::int16_t(d.CurrentStation + 1) : 0;
    else d.CurrentStation = std::int16_t(d.CurrentStation >= 1 ? std::min(d.CurrentStation - 1, last) : last);
    Text1->setText(QString::fromStdString(model::inchText(d.HullLength / d.StationCount * d.CurrentStation)));
    drawscreens();
    if (viewWaterLineChecked()) DrawWaterline();
}

}  // namespace mainwindow
