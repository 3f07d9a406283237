// A computation's error stops at the edge of every handler the event loop
// reaches: the program's message, the design as it was before the action, and
// the program going on.

#include "dialogs/frmInfo.h"
#include "model/file/textfile.h"
#include "tests/mainwindow/formfixture.h"

#include <QFocusEvent>
#include <QTest>

#include <functional>

namespace {

class HandlerErrors : public testsupport::FormFixture {
protected:
    HandlerErrors()
    {
        openKayak();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->Timer1.isEnabled(); }, 5000));
        saved = model::writeDesignText(d);
    }
    model::Design& d = model::currentDesign();
    std::string saved;  // the design as opened
};

}  // namespace

// Stations the sections cannot be built on: a bulkhead added or a point moved
// is put back; with the stations mended the same actions do their work.
TEST_F(HandlerErrors, AnErrorPutsTheDesignBackAndTheNextGoodActionWorks)
{
    const std::int16_t stations = d.StationCount;
    d.StationCount = 0;
    form->menu("AddBulkhead").click();
    EXPECT_EQ(d.BulkheadCount, 0);
    const int handle = d.CurveSegments[d.HullLines[model::kSheerLine].Segments[1]].EndPoint;
    const model::Point3 grabbed = d.point(handle);
    const float x = float(grabbed.X * d.HullLength), z = float(grabbed.Z * d.HullLength);
    emit form->boxes.TopView->mouseDown(Qt::LeftButton, Qt::NoModifier, x, z);
    ASSERT_TRUE(form->drawingState().DragActive);
    emit form->boxes.TopView->mouseMove(Qt::LeftButton, Qt::NoModifier, x + 3, z + 1);
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, "The hull could not be calculated: station spacing"));
    EXPECT_EQ(std::pair(d.point(handle).X, d.point(handle).Z), std::pair(grabbed.X, grabbed.Z));
    d.StationCount = stations;
    EXPECT_TRUE(model::writeDesignText(d) == saved);

    emit form->boxes.TopView->mouseMove(Qt::LeftButton, Qt::NoModifier, x + 3, z + 1);
    EXPECT_NEAR(d.point(handle).X * d.HullLength, x + 3, 1e-4);
    emit form->boxes.TopView->mouseUp(Qt::LeftButton, Qt::NoModifier, x + 3, z + 1);
    form->menu("AddBulkhead").click();
    EXPECT_EQ(std::tuple(d.BulkheadCount, messages.shown.size(), ended), std::tuple(1, 2u, 0));
}

// A number too large in a "Measured From" box fails every rebuild: each way in
// says so once and keeps the design; a save is kept whatever the rebuild after
// it does; with the box mended the results are those of before.
TEST_F(HandlerErrors, EveryWayInStopsTheErrorOfABoxThatCannotBeRead)
{
    const double volume = model::currentHydrostatics().WetVolume;
    const auto unreadable = [this] { form->info().setControlText("txtStartMeasuredFrom", "1e400"); };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"zoom", [this] { form->menu("x2").click(); }},
        {"drag curves", [this] { form->menu("ViewDragCurves").click(); }},
        {"deferred rebuild", [this] {
             form->Timer1.setEnabled(true);
             EXPECT_TRUE(QTest::qWaitFor([this] { return !form->Timer1.isEnabled(); }, 5000));
         }},
        {"resize", [this] {
             form->resize(form->width() - 40, form->height());
             QApplication::processEvents();
         }},
        {"focus", [this] {
             QFocusEvent focus(QEvent::FocusIn);
             QApplication::sendEvent(form.get(), &focus);
         }},
    };
    for (const auto& [what, run] : ways) {
        const std::size_t before = messages.shown.size();
        unreadable();
        run();
        EXPECT_EQ(messages.texts(),
                  std::vector<std::string>(before + 1, "The hull could not be calculated: number reading: overflow"))
            << what;
        EXPECT_TRUE(model::writeDesignText(d) == saved && ended == 0) << what;
    }

    unreadable();
    dialogs.answers.push_back(path("saved.qlk"));
    form->menu("SaveAs").click();
    const std::size_t messagesShown = std::size(ways) + 1;
    EXPECT_EQ(std::tuple(d.FileName, d.DesignChanged, form->windowTitle().toStdString(), messages.shown.size()),
              std::tuple(path("saved.qlk"), false, "Quillock - " + path("saved.qlk"), messagesShown));
    EXPECT_EQ(model::readTextFile(path("saved.qlk"), 1 << 20), saved);

    form->info().setControlText("txtStartMeasuredFrom", "36");
    form->menu("x1").click();
    EXPECT_EQ(std::tuple(model::currentHydrostatics().WetVolume, messages.shown.size()), std::tuple(volume, messagesShown));
}
