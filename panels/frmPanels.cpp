#include "panels/frmPanels.h"

#include "model/document/actionguard.h"
#include "model/document/messagebox.h"
#include "model/hull/design.h"
#include "platform/doevents.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/windowplacement.h"

#include <QEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>

namespace panels {

namespace {

constexpr const char* kCaption = "Quillock Panel Preview - ";
constexpr float kWidthShare = 0.75f;  // of the screen's width
constexpr float kHeightPerWidth = 0.6f;
// The sheet takes 19 twentieths of the window's height; the buttons sit below.
constexpr float kHeightParts = 20;
constexpr float kSheetParts = 19;
constexpr double kButtonGapTwips = 10;
constexpr std::int16_t kLineWidth = 2;
constexpr const char* kDevelopmentFailed = "The panels could not be developed: ";

model::Design& design() { return model::currentDesign(); }

// The design keeps where its bulkheads were last drawn.
void storeBulkheadOrigins(model::Design& d, const CuttingSheet& sheet)
{
    const int count = int(sheet.BulkheadDrawOrigin.size()) - 1;
    if (int(d.BulkheadDrawOrigin.size()) <= count) d.BulkheadDrawOrigin.resize(count + 1);
    for (int b = 1; b <= count; ++b) d.BulkheadDrawOrigin[b] = sheet.BulkheadDrawOrigin[b];
}

}  // namespace

frmPanels::frmPanels(model::MessageBox& messages, QWidget* parent) : QWidget(parent, Qt::Window), messages_(messages)
{
    setObjectName("frmPanels");
    PanelView = new platform::PictureBox(this);
    PanelView->setObjectName("PanelView");
    Command1 = new QPushButton("Purchase Full Size Plans", this);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    for (QPushButton* b : {Command1, Command2}) b->resize(b->sizeHint());
    connect(Command1, &QPushButton::clicked, this, [this] { guarded([this] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { guarded([this] { Command2_Click(); }); });
    Form_Load();
}

void frmPanels::Form_Load()
{
    PanelView->Cls();
    PanelView->BackColor = platform::kWhite;
    platform::doEvents();
}

bool frmPanels::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) guarded([this] { Form_Activate(); });
    // The window manager's frame can change the inner size after the layout.
    if (e->type() == QEvent::Resize) layOutControls(size());
    return QWidget::event(e);
}

void frmPanels::layOutWindow()
{
    const QSize screenSize = screen()->size();
    const float w = float(screenSize.width()) * kWidthShare;
    const float h = w * kHeightPerWidth;
    const QRect inner = platform::placeFrame(
        *this, QRect(int(float(screenSize.width()) / 2 - w / 2), int(float(screenSize.height()) / 2 - h / 2), int(w),
                     int(h)));
    layOutControls(inner.size());
}

// The sheet fills the window above the buttons in its bottom right corner.
void frmPanels::layOutControls(QSize inner)
{
    PanelView->setGeometry(0, 0, inner.width(), int(float(inner.height()) / kHeightParts * kSheetParts));
    Command2->move(inner.width() - Command2->width(), inner.height() - Command2->height());
    const int gap = platform::twipsToPixels(kButtonGapTwips, *this);
    Command1->move(Command2->x() - Command1->width() - gap, inner.height() - Command1->height());
}

void frmPanels::showPreview()
{
    const int before = activations_;
    // The window has its size from its first show, activated or not.
    layOutWindow();
    show();
    activateWindow();
    platform::doEvents();
    if (activations_ == before) guarded([this] { Form_Activate(); });
}

void frmPanels::Form_Activate()
{
    if (activating_) return;
    activating_ = true;
    const auto done = qScopeGuard([this] { activating_ = false; });
    ++activations_;
    raise();
    platform::doEvents();
    setWindowTitle(kCaption + QString::fromStdString(design().FileName));
    layOutWindow();
    sheet_ = layOutSheet(design(), PanelView->Width(), PanelView->Height());
    PanelView->ForeColor = platform::kBlack;
    PanelView->FillStyle = platform::kFillSolid;
    platform::doEvents();
    storeBulkheadOrigins(design(), sheet_);
    panels_ = DevelopPanels(design());
    drawpanels();
    platform::doEvents();
    PanelView->update();
}

void frmPanels::drawpanels()
{
    PanelView->Cls();
    platform::doEvents();
    PanelView->Scale(sheet_.SheetOriginX, sheet_.SheetOriginY, sheet_.SheetWidth, sheet_.SheetHeight);
    PanelView->DrawWidth = kLineWidth;
    PanelView->BackColor = platform::kWhite;
    PanelView->Line(sheet_.SheetOriginX, sheet_.SheetOriginY, sheet_.SheetWidth, sheet_.SheetHeight, platform::kWhite,
                    platform::LineForm::FilledBox);
    for (const SheetLine& l : sheetLines(design(), sheet_, panels_))
        PanelView->Line(float(l.x1), float(l.y1), float(l.x2), float(l.y2), platform::kBlack);
}

void frmPanels::Command1_Click()
{
    PanelView->Cls();
    hide();
    if (openOrderForm) openOrderForm();
}

void frmPanels::Command2_Click()
{
    PanelView->Cls();
    hide();
}

void frmPanels::guarded(const std::function<void()>& handler)
{
    model::runRestoringOnError(handler, [this](const model::FloatError& e) {
        // Hidden first: shown, it would be activated again when the message
        // closes, and fail again.
        Command2_Click();
        messages_.show(std::string(kDevelopmentFailed) + e.what(), model::MessageIcon::Exclamation);
    });
}

}  // namespace panels
