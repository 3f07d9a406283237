#include "dialogs/frmFriction.h"

#include "dialogs/frictiongraph.h"
#include "model/document/programname.h"
#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"
#include "platform/doevents.h"
#include "platform/picturebox.h"

#include <QFrame>
#include <QLabel>

namespace dialogs {

namespace {

constexpr const char* kCaptionEnd = " - Friction Calculations";
constexpr QSize kClientSize(744, 466);
constexpr QRect kGraphRect(8, 8, 649, 433);
constexpr int kLegendLeft = 664, kLegendLineWidth = 72;
constexpr int kLegendLabelBelowLine = 8;
constexpr int kResidualTop = 8, kFrictionalTop = 40, kTotalTop = 72;
constexpr platform::ColorRef kResidualLegend = platform::RGB(0, 255, 0);
constexpr platform::ColorRef kFrictionalLegend = platform::RGB(255, 0, 0);
constexpr platform::ColorRef kTotalLegend = platform::RGB(0, 0, 255);

}  // namespace

frmFriction::frmFriction(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmFriction");
    setWindowTitle(QString(model::kProgramName) + kCaptionEnd);
    setFixedSize(kClientSize);
    picFriction = new platform::PictureBox(this);
    picFriction->setObjectName("picFriction");
    picFriction->setGeometry(kGraphRect);
    Label1 = legendEntry("Label1", "Residual", kResidualLegend, kResidualTop);
    Label2 = legendEntry("Label2", "Frictional", kFrictionalLegend, kFrictionalTop);
    Label3 = legendEntry("Label3", "Total", kTotalLegend, kTotalTop);
}

QLabel* frmFriction::legendEntry(const char* name, const char* caption, unsigned color, int top)
{
    auto* line = new QFrame(this);
    line->setGeometry(kLegendLeft, top, kLegendLineWidth, 1);
    line->setStyleSheet(QString("background-color: rgb(%1, %2, %3)")
                            .arg(platform::redOf(color))
                            .arg(platform::greenOf(color))
                            .arg(platform::blueOf(color)));
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->move(kLegendLeft, top + kLegendLabelBelowLine);
    return label;
}

void frmFriction::Form_Load()
{
    platform::doEvents();
    platform::PictureBox& pic = *picFriction;
    // A window loaded anew starts from a blank graph.
    pic.Cls();
    if (!model::currentDesign().DesignLoaded) return;

    const model::Hydrostatics& h = model::currentHydrostatics();
    const FrictionGraph g = frictionGraph(h.TopSpeed, h.LWL, h.WettedSurfaceArea);
    pic.Scale(float(g.left), float(g.top), float(g.right), float(g.bottom));
    pic.BackColor = platform::kWhite;
    pic.Line(float(g.left), float(g.top), float(g.right), float(g.bottom), platform::kWhite,
             platform::LineForm::FilledBox);
    for (const GraphMark& m : g.marks) {
        switch (m.kind) {
        case MarkKind::Line:
        case MarkKind::DottedLine:
            pic.DrawStyle = m.kind == MarkKind::DottedLine ? platform::kDrawDot : platform::kDrawSolid;
            pic.Line(float(m.x1), float(m.y1), float(m.x2), float(m.y2), m.color);
            pic.DrawStyle = platform::kDrawSolid;
            break;
        case MarkKind::Label:
            pic.ForeColor = m.color;
            pic.Print(float(m.x1), float(m.y1), QString::fromStdString(m.text));
            break;
        case MarkKind::Dot: pic.Circle(float(m.x1), float(m.y1), float(g.dotRadius), m.color); break;
        }
    }
}

void frmFriction::showLoaded()
{
    if (!isVisible()) Form_Load();
    show();
    raise();
    activateWindow();
}

}  // namespace dialogs
