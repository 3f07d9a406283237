// Whole views of the tandem template as File > New builds it, each pinned by a
// checksum of its picture (drawn at fixed sizes: the window's layout follows
// its fonts). QUILLOCK_PICTURES=folder writes them as PNG to look at before
// pinning anew. They hold what only pixels show, such as the edit handles'
// dotted arms and circle sizes.

#include "dialogs/frmNew.h"
#include "tests/mainwindow/formfixture.h"
#include "tests/views/viewsfixture.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include <cstdlib>

using namespace views;

namespace {

constexpr struct { const char* name; int view; std::uint64_t checksum; } kPinned[] = {
    {"profile", kRightView, 15348546788430324519ull},   {"plantop", kTopView, 17158516093578874850ull},
    {"planbottom", kBottomView, 3723709885927833174ull}, {"bodyplan", kFrontView, 11926598878128870022ull},
    {"section", kSectionEdit, 7299927688206624705ull},
};

using ViewPictures = testsupport::FormFixture;

}  // namespace

// Station 30 in the section editor and as a line, the water line shown, the top view's handles.
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
    f.run();
    const char* folder = std::getenv("QUILLOCK_PICTURES");
    for (const auto& pinned : kPinned) {
        const QImage picture = f.image(pinned.view);
        if (folder) picture.save(QDir(folder).filePath(QString(pinned.name) + ".png"));
        EXPECT_EQ(testsupport::pictureChecksum(picture), pinned.checksum) << pinned.name;
    }
}
