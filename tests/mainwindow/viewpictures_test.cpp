// Whole views of the tandem template as File > New builds it, each pinned by a
// checksum of its picture (drawn at fixed sizes: the window's layout follows
// its fonts). QUILLOCK_PICTURES=folder writes them as PNG to look at before
// pinning anew. They hold what only pixels show, such as the edit handles'
// dotted arms and circle sizes.

#include "dialogs/frmNew.h"
#include "model/hull/sections.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/views/viewsfixture.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include <cstdlib>

using namespace views;

namespace {

constexpr struct { int scene; const char* name; int view; std::uint64_t checksum; } kPinned[] = {
    {1, "profile", kRightView, 14254327272883373600ull},   {1, "plantop", kTopView, 7855065317369032249ull},
    {1, "planbottom", kBottomView, 3012433369273601266ull}, {1, "bodyplan", kFrontView, 11926598878128870022ull},
    {1, "section", kSectionEdit, 7299927688206624705ull},   {2, "profile2", kRightView, 17947026262928932276ull},
    {2, "plantop2", kTopView, 9448452761486377730ull},       {2, "planbottom2", kBottomView, 8349719042836126797ull},
};

using ViewPictures = testsupport::FormFixture;

}  // namespace

// Every marker on. Scene 1: station 30 in the section editor and as a line, the water line shown, the top view's
// handles. Scene 2: outlined panels, a bulkhead and the LCB where station 30's line is, the profile's handles.
TEST_F(ViewPictures, TheTandemTemplatesViewsAreThePinnedPictures)
{
    form->wizard().templateFolder = QUILLOCK_TEMPLATES;
    form->menu("New").click();
    form->wizard().SSTab1->setCurrentIndex(1);
    form->wizard().Command1->click();
    ASSERT_TRUE(messages.shown.empty());

    testsupport::ViewsFixture f;
    f.design = model::currentDesign();
    f.hydro = model::currentHydrostatics();
    f.sizeViews({1200, 180}, {1200, 180}, {1200, 180}, {400, 300});
    f.design.CurrentStation = 30;
    f.state.ViewWaterLine = true;
    f.state.ActiveView = kActiveTop;
    f.state.markers = {true, true, true, true, true};
    const char* folder = std::getenv("QUILLOCK_PICTURES");
    for (int scene : {1, 2}) {
        if (scene == 2) {
            f.state.Solid = false;
            f.state.ActiveView = kActiveRight;
            model::addBulkhead(f.design);
            const double x = f.design.Sections[30].X;
            f.design.Bulkheads[1].X = x;
            f.design.BulkheadHandles[1].X = f.hydro.LCBPosition = x * f.design.HullLength;
            model::makesections(f.design);
        }
        f.run();
        for (const auto& pinned : kPinned) {
            if (pinned.scene != scene) continue;
            const QImage picture = f.image(pinned.view);
            if (folder) picture.save(QDir(folder).filePath(QString(pinned.name) + ".png"));
            EXPECT_EQ(testsupport::pictureChecksum(picture), pinned.checksum) << pinned.name;
        }
    }
}
