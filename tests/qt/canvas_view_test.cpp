#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <thread>

#include "platform/qt/canvas_view.h"
#include "window_fixture.h"

namespace tarnwick::test {
namespace {

using WindowCanvas = WindowTest;

const Art picture = {
    "rrgg",
    "r..g",
    "b..y",
    "bb#y",
};

TEST(WindowSize, DrawingSurfaceStartsAt800By600UnderTheMenuBar) {
    Canvas canvas;
    Ui ui;
    ui.addMenu("options", "", "Options");
    ui.addMenu("sandf", "options", "Place start and finish");
    RecordingSink sink;
    QtPlatform platform(*qApp);
    platform.attach(canvas, ui, sink);
    for (int i = 0; i < 100 && canvas.height() != platform.surface().height(); ++i) {
        platform.processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(platform.surface().width(), 800);
    EXPECT_EQ(platform.surface().height(), 600);
    EXPECT_EQ(canvas.width(), 800);
    EXPECT_EQ(canvas.height(), 600);
}

TEST_F(WindowCanvas, ShowsWhatIsPaintedOnTheCanvas) {
    canvas.setBackColour(0xFFFFFF);
    paintArt(canvas, 10, 20, picture);
    canvas.setScreenOnly(true);
    paintArt(canvas, 12, 21, {"m"});  // the screen layer shows too
    pumpFor(std::chrono::milliseconds(40));
    EXPECT_EQ(shownArt(9, 19, 6, 6), (Art{
                                         "......",
                                         ".rrgg.",
                                         ".r.mg.",
                                         ".b..y.",
                                         ".bb#y.",
                                         "......",
                                     }));
}

// A frame converts only what changed, band by band: what changed elsewhere since, in
// either layer, shows, and what was shown before stays.
TEST_F(WindowCanvas, LaterFramesShowEachChangeAndKeepTheRest) {
    // A wait shows the last frame at once; a key ends it.
    auto showFrame = [this] {
        QTimer::singleShot(0, &platform.window(), [this] { QTest::keyClick(&platform.surface(), Qt::Key_A); });
        platform.waitForEvents();
        sink.take();
    };
    canvas.setBackColour(0xFFFFFF);
    paintArt(canvas, 10, 20, picture);
    showFrame();
    paintArt(canvas, 300, 200, {"gr"});
    canvas.setScreenOnly(true);
    paintArt(canvas, 700, 500, {"m"});
    showFrame();
    canvas.setScreenOnly(false);
    paintArt(canvas, 11, 21, {"y"});
    showFrame();
    EXPECT_EQ(shownArt(10, 20, 4, 4), (Art{"rrgg", "ry.g", "b..y", "bb#y"}));
    EXPECT_EQ(shownArt(300, 200, 2, 1), (Art{"gr"}));
    EXPECT_EQ(shownArt(700, 500, 1, 1), (Art{"m"}));
}

TEST_F(WindowCanvas, AWaitingProgramShowsItsLastFrameAtOnce) {
    canvas.setBackColour(0xFFFFFF);
    platform.processEvents();  // a frame was just shown
    paintArt(canvas, 0, 0, picture);
    QTimer::singleShot(0, &platform.window(), [this] { platform.requestEnd(); });
    platform.waitForEvents();
    EXPECT_EQ(shownArt(0, 0, 4, 4), picture);
}

TEST_F(WindowCanvas, FollowsTheSurfacesSize) {
    platform.window().resize(500, 400);
    settleSize();
    EXPECT_EQ(canvas.width(), platform.surface().width());
    EXPECT_LT(canvas.width(), 800);

    platform.window().showMinimized();
    pumpFor(std::chrono::milliseconds(20));
    EXPECT_GT(canvas.width(), 0);
    EXPECT_GT(canvas.height(), 0);
}

// A window made larger than all screens together keeps a canvas the screens can show.
TEST_F(WindowCanvas, NeverGrowsPastTheScreens) {
    const QSize limit = CanvasView::surfaceLimit();
    platform.window().resize(limit.width() + 400, limit.height() + 300);
    pumpFor(std::chrono::milliseconds(100));
    EXPECT_GT(platform.surface().width(), limit.width());
    EXPECT_EQ(canvas.width(), limit.width());
    EXPECT_EQ(canvas.height(), limit.height());
}

}  // namespace
}  // namespace tarnwick::test
