// A computation's error stops at the edge of every handler the event loop
// reaches: the program's message, the design as it was before the action, and
// the program going on.

#include "dialogs/frmInfo.h"
#include "model/file/designwriter.h"
#include "tests/mainwindow/formfixture.h"

#include <QScrollBar>
#include <QTest>

using MainWindow = testsupport::FormFixture;

namespace {

constexpr int kTimeout = 5000;

// The first handle of the sheer, where a press in the top view picks it.
int sheerHandle(const model::Design& d)
{
    return d.CurveSegments[d.HullLines[model::kSheerLine].Segments[1]].EndPoint;
}

}  // namespace

// Stations the sections cannot be built on: a bulkhead added or a point moved
// is put back; with the stations mended the same actions do their work.
TEST_F(MainWindow, AnErrorPutsTheDesignBackAndTheNextGoodActionWorks)
{
    openKayak();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->Timer1.isEnabled(); }, kTimeout));
    model::Design& d = model::currentDesign();
    const std::int16_t stations = d.StationCount;
    d.StationCount = 0;
    const std::string saved = model::writeDesignText(d);

    form->menu("AddBulkhead").click();
    EXPECT_EQ(d.BulkheadCount, 0);
    const int handle = sheerHandle(d);
    const model::Point3 grabbed = d.point(handle);
    const float x = float(grabbed.X * d.HullLength), z = float(grabbed.Z * d.HullLength);
    emit form->boxes.TopView->mouseDown(Qt::LeftButton, Qt::NoModifier, x, z);
    ASSERT_TRUE(form->drawingState().DragActive);
    emit form->boxes.TopView->mouseMove(Qt::LeftButton, Qt::NoModifier, x + 3, z + 1);
    const std::string message = "The hull could not be calculated: station spacing";
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, message));
    EXPECT_EQ(std::pair(d.point(handle).X, d.point(handle).Z), std::pair(grabbed.X, grabbed.Z));
    EXPECT_TRUE(model::writeDesignText(d) == saved);

    d.StationCount = stations;
    emit form->boxes.TopView->mouseMove(Qt::LeftButton, Qt::NoModifier, x + 3, z + 1);
    EXPECT_NEAR(d.point(handle).X * d.HullLength, x + 3, 1e-4);
    emit form->boxes.TopView->mouseUp(Qt::LeftButton, Qt::NoModifier, x + 3, z + 1);
    form->menu("AddBulkhead").click();
    EXPECT_EQ(std::tuple(d.BulkheadCount, messages.shown.size(), ended), std::tuple(1, 2u, 0));
}
