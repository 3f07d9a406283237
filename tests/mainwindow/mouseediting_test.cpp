#include "dialogs/frmInfo.h"
#include "model/hydrostatics/inchtext.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using model::currentDesign;
using Counts = std::array<int, 4>;  // calculations, sections, redraws, waterline dots

namespace {

// Counts the rebuild steps the handlers run; a frozen form counts redraws without drawing.
class CountingForm : public mainwindow::Form1 {
public:
    using Form1::Form1;
    void GetCalculations() override { ++counts[0], Form1::GetCalculations(); }
    void makesections() override { ++counts[1], Form1::makesections(); }
    void drawscreens() override
    {
        ++counts[2];
        if (!frozen) Form1::drawscreens();
    }
    void DrawWaterline() override { ++counts[3], Form1::DrawWaterline(); }
    Counts counts{};
    bool frozen = false;
};

// The window at 1600 x 1000 with the seven-line cockpit kayak open (204 in,
// sheer anchor 12 at (102, 11, 11.5), keel anchor 33 at (102, 0, 0)) and the
// open's deferred pass already done.
class MouseEditing : public testsupport::FormFixtureOf<CountingForm> {
protected:
    void openQuiet()
    {
        form->resize(1600, 1000);
        openKayak();
        form->Timer1.setEnabled(false);
        form->counts = {};
    }
    model::Point3 at(int point) const
    {
        const model::Point3& q = currentDesign().point(point);
        return {q.X * 204, q.Y * 204, q.Z * 204, q.Flag};
    }
    static QPoint pixel(platform::PictureBox& box, double x, double y)
    {
        const platform::Point p = box.userScale().toDevice(x, y, box.width(), box.height());
        return {p.x, p.y};
    }
    std::int16_t active() const { return form->drawingState().ActiveView; }
    std::string text(const char* control) { return form->info().controlText(control).toStdString(); }
};

}  // namespace

// The waterline's moves only redraw; its release stops the automatic waterline.
TEST_F(MouseEditing, MovesAndViewCommandsRebuildAndRedrawWhatTheyOwe)
{
    openQuiet();
    model::Design& d = currentDesign();
    const double volume = model::currentHydrostatics().WetVolume, sectionZ = d.Sections[50].Pts[3].Z;
    form->TopView_MouseDown(102, 11.5);
    EXPECT_EQ(form->counts, (Counts{0, 0, 0}));
    form->TopView_MouseMove(104, 13);
    form->TopView_MouseMove(106, 14);
    const double& wet = model::currentHydrostatics().WetVolume;
    EXPECT_EQ(std::tuple(form->counts, d.Sections[50].Pts[3].Z > sectionZ, wet == volume, form->Timer1.isEnabled()),
              std::tuple(Counts{0, 2, 2}, true, true, false));
    form->TopView_MouseUp(106, 14);
    EXPECT_EQ(std::tuple(form->counts, wet == volume, form->Timer1.isEnabled(), d.DesignChanged),
              std::tuple(Counts{1, 3, 3}, false, true, true));

    form->Timer1.setEnabled(false);
    {
        const QSignalBlocker quiet(form->info().checkBox("chkAutoDetect"));
        form->info().checkBox("chkAutoDetect")->setChecked(true);
    }
    form->RightView_MouseDown(0, 0);  // shows the profile's handles
    form->RightView_MouseUp(0, 0);
    form->counts = {};
    const float x = float(form->drawingState().WaterlineHandle.X);
    form->RightView_MouseDown(x, float(form->drawingState().WaterlineHandle.Y));
    form->RightView_MouseMove(x, 6.5f);
    EXPECT_EQ(std::tuple(d.WaterlineHeight, text("txtWaterLevel"), form->counts),
              std::tuple(6.5, "6.5", Counts{0, 0, 1}));
    form->RightView_MouseUp(x, 6.5f);
    EXPECT_EQ(std::tuple(form->info().isChecked("chkAutoDetect"), form->counts), std::tuple(false, Counts{1, 1, 2}));

    // What each view command redraws at once; the deferred pass does the rest.
    const std::tuple<const char*, Counts, bool> commands[] = {
        {"x2", {1, 0, 1, 0}, true},           {"x1", {1, 0, 1, 0}, true},
        {"AddBulkhead", {0, 0, 1, 0}, false}, {"RemoveBulkhead", {0, 0, 1, 0}, false},
        {"ViewWaterLine", {0, 0, 0, 1}, true}, {"ViewWaterLine", {0, 0, 1, 0}, true},
        {"Wireframe", {0, 0, 0, 0}, true},
    };
    for (const auto& [item, counts, timer] : commands) {
        form->counts = {};
        form->Timer1.setEnabled(false);
        form->menu(item).click();
        EXPECT_EQ(std::tuple(form->counts, form->Timer1.isEnabled()), std::tuple(counts, timer)) << item;
    }
}

// Without a design only the profile and the small views show the mouse.
TEST_F(MouseEditing, StationButtonsReadOutTheSmallViewsAndDragging)
{
    form->RightView_MouseDown(1, 1);
    form->Command1->click();
    EXPECT_EQ(std::tuple(active(), form->Text1->text()), std::tuple(views::kActiveNone, "0\""));
    form->RightView_MouseMove(3.14159f, -2.5f);
    form->TopView_MouseMove(50, 5);
    EXPECT_EQ(text("txtX") + text("txtY"), "3.14\"-2.5\"");
    form->SectionEdit_MouseMove(-0.001f, 12.3456f);
    EXPECT_EQ(std::pair(text("txtX") + text("txtY"), form->info().isVisible()), std::pair(std::string("0\"12.35\""), false));

    openQuiet();
    form->BottomView_MouseMove(50, 5);
    EXPECT_EQ(text("txtX"), "50\"");
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->centralWidget(), &move);
    EXPECT_EQ(text("txtX") + text("txtY"), "0\"0\"");

    currentDesign().StationCount = 20;
    form->makesections();
    form->menu("ViewWaterLine").click();  // each redraw below owes the waterline's dots
    const std::tuple<QPushButton*, int, const char*> steps[] = {
        {form->Command2, 20, "204\""}, {form->Command1, 0, "0\""},    {form->Command1, 1, "10.2\""},
        {form->Command1, 2, "20.4\""}, {form->Command2, 1, "10.2\""},
    };
    for (const auto& [button, station, caption] : steps) {
        form->RightView_MouseDown(1, 1);
        form->counts = {};
        button->click();
        EXPECT_EQ(std::tuple(currentDesign().CurrentStation, form->Text1->text(), active(), form->counts),
                  std::tuple(station, caption, views::kActiveNone, Counts{0, 0, 1, 1}));
    }
    currentDesign().StationCount = 20.4;  // stations 0 to 20 are built: the steps stay among them
    currentDesign().CurrentStation = 20;
    form->Command1->click();
    const int wrapped = currentDesign().CurrentStation;
    form->Command2->click();
    EXPECT_EQ(std::tuple(wrapped, currentDesign().CurrentStation), std::tuple(0, 20));
    using Form1 = mainwindow::Form1;
    const std::pair<void (Form1::*)(float, float), std::int16_t> presses[] = {
        {&Form1::FrontView_MouseDown, views::kActiveFront},
        {&Form1::SectionEdit_MouseDown, views::kActiveSection},
        {&Form1::picVolumeDistributionGraph_MouseDown, views::kActiveGraph},
    };
    for (const auto& [press, view] : presses) {
        form->counts = {};
        (form.get()->*press)(1, 1);
        EXPECT_EQ(std::tuple(active(), form->counts), std::tuple(view, Counts{0, 0, 1, 1}));
    }

    // Real mouse events at pixels; a keel point dropped past the bow springs back.
    openQuiet();
    platform::PictureBox& top = *form->boxes.TopView;
    const views::ViewExtent fitted = form->drawingState().ViewExtents[views::kTopView];
    QTest::mousePress(&top, Qt::LeftButton, {}, pixel(top, 102, 11.5));
    QTest::mouseMove(&top, pixel(top, 110, 16));
    EXPECT_TRUE(form->drawingState().DragActive && form->drawingState().ViewExtents[views::kTopView] == fitted);
    const model::Point3 moved = at(12);
    EXPECT_TRUE(std::abs(moved.X - 110) < 0.5 && std::abs(moved.Z - 16) < 0.5);
    EXPECT_EQ(text("txtX") + text("txtY"), model::inchText(moved.X) + model::inchText(moved.Z));
    QTest::mouseRelease(&top, Qt::LeftButton, {}, pixel(top, 110, 16));
    EXPECT_EQ(std::tuple(form->drawingState().DragActive, active(), at(12).X,
                         form->drawingState().ViewExtents[views::kTopView] == fitted),
              std::tuple(false, views::kActiveTop, moved.X, false));
    const QPoint shown = pixel(top, moved.X, moved.Z);
    const QRgb sheer = testsupport::rgbOf(currentDesign().HullLines[3].Color);
    EXPECT_EQ(top.image().pixel(shown), sheer);
    QTest::mouseClick(form->boxes.FrontView, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(active() == views::kActiveFront && top.image().pixel(shown) != sheer);

    platform::PictureBox& right = *form->boxes.RightView;
    const model::Point3 keel = at(33);
    QTest::mousePress(&right, Qt::LeftButton, {}, pixel(right, 102, 0));
    ASSERT_NE(at(33).Flag, 0);
    QTest::mouseMove(&right, pixel(right, -4, 1));
    EXPECT_LT(at(33).X, 0);
    QTest::mouseRelease(&right, Qt::LeftButton, {}, pixel(right, -4, 1));
    EXPECT_EQ(std::tuple(at(33).X, at(33).Flag, active()), std::tuple(keel.X, 0, views::kActiveRight));

    // The release itself fits the views to the hull's new box, drawn or not.
    form->frozen = true;
    QTest::mousePress(&top, Qt::LeftButton, {}, pixel(top, moved.X, moved.Z));
    QTest::mouseMove(&top, pixel(top, moved.X, 20));
    QTest::mouseRelease(&top, Qt::LeftButton, {}, pixel(top, moved.X, 20));
    const model::Design& d = currentDesign();
    EXPECT_GT(d.HullMax.Z, moved.Z / 204);
    EXPECT_EQ(std::tuple(form->drawingState().DrawMax.Z, form->drawingState().DrawMin.Z), std::tuple(d.HullMax.Z, d.HullMin.Z));
}
