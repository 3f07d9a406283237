#include "dialogs/frmNew.h"
#include "model/edits/cockpitedits.h"
#include "model/hull/maxbeam.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/support/pixels.h"
#include "views/viewextent.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using model::currentDesign;

namespace {

class NewDesign : public testsupport::FormFixture {
protected:
    NewDesign() { wizard().templateFolder = QUILLOCK_TEMPLATES; }

    dialogs::frmNew& wizard() { return form->wizard(); }
    void startNew() { form->menu("New").click(); }
    void ok() { wizard().Command1->click(); }
    void expectOk()
    {
        ok();
        ASSERT_TRUE(messages.shown.empty()) << messages.texts().front();
    }
};

}  // namespace

// The tandem's fixed points about its cockpits are pinned by the view pictures.
TEST_F(NewDesign, TheDefaultsMakeASingleKayakAndTheTandemItsFixedPoints)
{
    startNew();
    EXPECT_TRUE(wizard().isVisible() && !form->isEnabled());
    expectOk();
    const model::Design& d = currentDesign();
    EXPECT_TRUE(d.DesignLoaded && form->isEnabled() && form->Text1->isVisible() && !wizard().isVisible() && !d.DesignChanged);
    EXPECT_EQ(std::tuple(wizard().ProgressBar1->value(), d.HullLength, d.PaddlerWeights[1], d.PaddlerWeights[2]),
              std::tuple(90, 204, 190, 190));
    EXPECT_EQ(std::tuple(d.cockpitCount(), d.HullPanels[2].IsHull, d.HullPanels[3].IsHull), std::tuple(1, 0, 1));
    EXPECT_NEAR(model::MaxBeam(d), 23, 1e-9);
    for (int j : {4, 5, 6}) EXPECT_NEAR(d.point(model::rimPoint(d, 1, j)).Z * 204, 9, 1e-12) << j;
    EXPECT_EQ(form->windowTitle(), "Quillock");

    // Every tandem box a value of its own, so no two can be swapped unseen.
    startNew();
    wizard().SSTab1->setCurrentIndex(1);
    const std::pair<const char*, const char*> boxes[] = {
        {"txtPaddler1Weight", "170"}, {"txtPaddler2Weight", "160"}, {"txtDistanceBetweenCockpits", "58"},
        {"txtCockpit1Length", "31"},  {"txtCockpit1Width", "17"},   {"txtCockpit1AftTocenterofgravity", "12"},
        {"txtCockpit2Length", "29"},  {"txtCockpit2Width", "16"},   {"txtCockpit2Afttocenterofgravity", "10"}};
    for (auto [box, value] : boxes) wizard().textBox(box)->setText(value);
    expectOk();
    ASSERT_EQ(d.cockpitCount(), 2);
    const model::Cockpit &one = d.Cockpits[1], &two = d.Cockpits[2];
    EXPECT_EQ(std::tuple(d.PaddlerWeights[1], d.PaddlerWeights[2], one.DistanceBetweenCockpits),
              std::tuple(170, 160, 58));
    EXPECT_EQ(std::tuple(one.Length, one.Width, one.AftToCG, two.Length, two.Width, two.AftToCG),
              std::tuple(31, 17, 12, 29, 16, 10));
    for (auto [k, half] : {std::pair{1, 8.5}, std::pair{2, 8.0}})
        EXPECT_NEAR(d.point(model::rimPoint(d, k, 5)).Z * 204, half, 1e-12) << k;
}

TEST_F(NewDesign, EveryTemplateThroughOkAtBothEndsOfTheLengthRange)
{
    for (QRadioButton* option : {wizard().opt4hullpan, wizard().opt6hullpan, wizard().opt8hullpan})
        for (const char* length : {"96", "276"}) {
            form->menu("x4").click();
            startNew();
            option->setChecked(true);
            wizard().txtLength->setText(length);
            expectOk();
            EXPECT_EQ(std::tuple(currentDesign().HullLength, currentDesign().cockpitCount(), form->ZoomFactor()),
                      std::tuple(std::stod(length), 1, 1.0));
            EXPECT_TRUE(model::currentHydrostatics().WetVolume > 0 && form->menu("x1").Checked() &&
                        !form->menu("x4").Checked());
        }
    EXPECT_EQ(currentDesign().PanelsPerSide, 6);  // kqlk42: 2 deck and 4 hull panels per side
}

// A refused entry, Cancel and a missing template each leave the open design.
TEST_F(NewDesign, RefusalsCancelAndAMissingTemplateLeaveTheOpenDesign)
{
    startNew();
    ok();
    model::Design& d = currentDesign();
    d.DesignChanged = true;
    d.FileName = "/somewhere/kayak.qlk";
    const int points = d.PointCount;
    messages.answers = {model::MessageAnswer::Cancel};
    startNew();
    EXPECT_EQ(std::tuple(messages.texts().back(), wizard().isVisible()),
              std::tuple("Do you wish to save your work?", false));

    messages.answers = {model::MessageAnswer::No};
    startNew();
    const std::tuple<const char*, const char*, const char*, const char*> entries[] = {
        {"18", "190", "204", "Cockpit width cannot be greater than kayak width"},
        {"23", "heavy", "204", "Please enter paddler weight in lbs"},
        {"23", "190", "20", "Please enter a kayak length from 96 to 276 inches"},
        {"1e999", "190", "204", "Please enter width in inches"},  // too large to read
    };
    for (const auto& [beam, weight, length, message] : entries) {
        wizard().txtBeam->setText(beam);
        wizard().textBox("txtPaddlerWeight")->setText(weight);
        wizard().txtLength->setText(length);
        messages.shown.clear();
        ok();
        EXPECT_EQ(messages.texts(), std::vector<std::string>{message}) << beam;
        EXPECT_TRUE(wizard().isVisible() && !form->isEnabled() && d.FileName == "/somewhere/kayak.qlk") << beam;
    }
    wizard().txtBeam->setText("23");
    wizard().SSTab1->setCurrentIndex(1);
    wizard().Command2->click();
    EXPECT_EQ(std::tuple(form->isEnabled(), d.DesignChanged, d.FileName),
              std::tuple(true, true, "/somewhere/kayak.qlk"));

    QTemporaryDir empty;
    wizard().templateFolder = empty.path();
    messages.answers = {model::MessageAnswer::No};
    startNew();
    ok();
    EXPECT_NE(messages.texts().back().find("tqlk"), std::string::npos);
    EXPECT_EQ(std::tuple(d.PointCount, d.FileName), std::tuple(points, "/somewhere/kayak.qlk"));
    wizard().close();
    EXPECT_TRUE(form->isEnabled() && !wizard().isVisible());
}

TEST_F(NewDesign, ABuildThatFailsWithNoDesignOpenLeavesNoPictureOfIt)
{
    // Already while the message is up, no view shows the design that failed.
    int drawnViews = -1;
    messages.whileShown = [&] {
        drawnViews = 0;
        for (int view = 1; view <= views::kViewCount; ++view) {
            const QImage picture = form->boxes.box(view).image();
            drawnViews += testsupport::countPixels(picture, platform::kWhite) != picture.width() * picture.height();
        }
    };
    startNew();
    wizard().txtBeam->setText("1e160");  // passes the checks, overflows the hull calculation
    ok();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"The new design could not be calculated: Distance3D"});
    EXPECT_EQ(std::tuple(currentDesign().DesignLoaded, drawnViews), std::tuple(false, 0));
}
