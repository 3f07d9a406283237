#include "mainwindow/frmAbout.h"

#include "model/document/programname.h"
#include "model/hull/design.h"
#include "platform/picturebox.h"

#include <QEvent>
#include <QFont>
#include <QScreen>

#include <cmath>

namespace mainwindow {

namespace {

constexpr int kPictureWidth = 679, kPictureHeight = 187;  // pixels
constexpr platform::ColorRef kSky = platform::RGB(22, 54, 82);
constexpr platform::ColorRef kWater = platform::RGB(36, 96, 128);
constexpr platform::ColorRef kWave = platform::RGB(120, 180, 205);
constexpr platform::ColorRef kHull = platform::RGB(232, 196, 120);
constexpr platform::ColorRef kText = platform::RGB(255, 255, 255);
constexpr float kWaterTop = 130;
constexpr float kTextLeft = 30, kNameTop = 28, kVersionTop = 90;
constexpr float kWaveEnd = 300, kWaveSpacing = 16;
constexpr int kNamePoints = 34, kVersionPoints = 14;

// Pixels left over on each side, halves to even like every conversion.
int centred(int screenSpan, int windowSpan) { return int(std::nearbyint((screenSpan - windowSpan) / 2.0)); }

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("frmAbout");
    picture = new platform::PictureBox(this);
    // Any click on the picture, a double-click included, hides the box.
    connect(picture, &platform::PictureBox::mouseDown, this, [this] { hide(); });
    connect(picture, &platform::PictureBox::DblClick, this, [this] { hide(); });
}

void frmAbout::Form_Load()
{
    setFixedSize(kPictureWidth, kPictureHeight);
    picture->setGeometry(rect());
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.left() + centred(area.width(), width()), area.top() + centred(area.height(), height()));
    }
    paintPicture();
}

void frmAbout::paintPicture()
{
    platform::PictureBox& p = *picture;
    p.Line(0, 0, kPictureWidth, kWaterTop, kSky, platform::LineForm::FilledBox);
    p.Line(0, kWaterTop, kPictureWidth, kPictureHeight, kWater, platform::LineForm::FilledBox);
    // A kayak in profile on the water: deck and hull arcs meeting at the ends.
    constexpr float kBow = 360, kStern = 650, kDeckRise = 24, kHullDrop = 14;
    constexpr int kSteps = 58;
    for (int i = 0; i < kSteps; ++i) {
        const float t0 = float(i) / kSteps, t1 = float(i + 1) / kSteps;
        const auto x = [&](float t) { return kBow + (kStern - kBow) * t; };
        const auto arc = [](float t) { return 4 * t * (1 - t); };
        p.Line(x(t0), kWaterTop - kDeckRise * arc(t0), x(t1), kWaterTop - kDeckRise * arc(t1), kHull);
        p.Line(x(t0), kWaterTop + kHullDrop * arc(t0), x(t1), kWaterTop + kHullDrop * arc(t1), kHull);
    }
    for (float y = kWaterTop + kWaveSpacing; y < kPictureHeight; y += kWaveSpacing)
        p.Line(kTextLeft, y, kWaveEnd, y, kWave);

    p.setFont(QFont("DejaVu Sans", kNamePoints, QFont::Bold));
    p.ForeColor = kText;
    p.Print(kTextLeft, kNameTop, model::kProgramName);
    p.setFont(QFont("DejaVu Sans", kVersionPoints));
    // The program's version is the design-file version it writes.
    p.Print(kTextLeft, kVersionTop, QString("Version ") + model::kCurrentFileVersion);
}

void frmAbout::showModeless()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    show();
    raise();
    activateWindow();
}

void frmAbout::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Another window took the focus.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) hide();
}

}  // namespace mainwindow
