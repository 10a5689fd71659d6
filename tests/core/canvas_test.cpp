#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "core/canvas.h"
#include "support/pixel_art.h"

namespace tarnwick {
namespace {

using test::Art;
using test::artOf;
using test::paintArt;

constexpr long white = 0xFFFFFF, black = 0, red = 0x0000FF, green = 0x008000, blue = 0xFF0000;

Canvas whiteCanvas(int w, int h) {
    Canvas canvas(w, h);
    canvas.setBackColour(white);
    return canvas;
}

TEST(CanvasDrawing, FillBoxCoversBothCornersInAnyOrder) {
    for (const auto& [x1, y1, x2, y2] : {std::array{1L, 1L, 3L, 2L}, std::array{3L, 2L, 1L, 1L},
                                         std::array{3L, 1L, 1L, 2L}}) {
        Canvas canvas = whiteCanvas(5, 4);
        canvas.fillBox(x1, y1, x2, y2, black);
        EXPECT_EQ(artOf(canvas, 0, 0, 5, 4), (Art{".....", ".###.", ".###.", "....."}));
    }
}

TEST(CanvasDrawing, BoxPaintsOnlyTheOutline) {
    Canvas canvas = whiteCanvas(6, 5);
    canvas.box(4, 3, 1, 0, red);
    EXPECT_EQ(artOf(canvas, 0, 0, 6, 5), (Art{".rrrr.", ".r..r.", ".r..r.", ".rrrr.", "......"}));
}

TEST(CanvasDrawing, LineLeavesOutItsLastPoint) {
    Canvas canvas = whiteCanvas(7, 4);
    canvas.line(0, 0, 6, 2, black);  // shallow slope, the end (6, 2) stays white
    canvas.line(6, 3, 6, 0, red);    // vertical, upwards: (6, 0) excluded
    EXPECT_EQ(artOf(canvas, 0, 0, 7, 4), (Art{"##.....", "..###.r", ".....#r", "......r"}));
}

TEST(CanvasDrawing, LineRunsTheSameInEitherDirectionOnAxes) {
    Canvas canvas = whiteCanvas(5, 2);
    canvas.line(4, 0, 0, 0, black);  // right to left: (0, 0) excluded
    canvas.line(0, 1, 4, 1, black);  // left to right: (4, 1) excluded
    EXPECT_EQ(artOf(canvas, 0, 0, 5, 2), (Art{".####", "####."}));
}

TEST(CanvasDrawing, LineWithEqualEndsPaintsNothing) {
    Canvas canvas = whiteCanvas(3, 3);
    const auto before = canvas.version();
    canvas.line(1, 1, 1, 1, black);
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 3), (Art{"...", "...", "..."}));
    EXPECT_EQ(canvas.version(), before);
}

TEST(CanvasDrawing, SteepDiagonalLine) {
    Canvas canvas = whiteCanvas(3, 6);
    canvas.line(0, 0, 2, 5, blue);
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 6), (Art{"b..", "b..", ".b.", ".b.", "..b", "..."}));
}

// Off-surface coordinates of every size are clipped without visiting them.
TEST(CanvasClipping, HugeAndNegativeCoordinates) {
    Canvas canvas = whiteCanvas(4, 3);
    canvas.fillBox(-1000000000000L, 1, 1, LONG_MAX, black);
    canvas.fillBox(LONG_MIN, LONG_MIN, LONG_MAX, -1, red);   // wholly above
    canvas.fillBox(4, 0, LONG_MAX, 2, red);                  // wholly right
    canvas.line(LONG_MIN, 0, LONG_MAX, 0, green);            // across the top row
    canvas.line(3, LONG_MIN / 2, 3, LONG_MAX / 2, blue);     // down the right column
    canvas.pset(-1, 0, red);
    canvas.pset(4, 0, red);
    canvas.box(-5, -5, 100, 100, red);                       // outline wholly outside
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 3), (Art{"gggb", "##.b", "##.b"}));
}

TEST(CanvasClipping, DiagonalThroughTheSurfaceFromFarAway) {
    Canvas canvas = whiteCanvas(4, 4);
    canvas.line(-4000000000000000000L, -4000000000000000000L, 4000000000000000000L, 4000000000000000000L,
                black);
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 4), (Art{"#...", ".#..", "..#.", "...#"}));
}

TEST(CanvasClipping, ReadsOffTheSurfaceGiveMinusOne) {
    Canvas canvas = whiteCanvas(4, 3);
    for (const auto& [x, y] : {std::pair{-1L, 0L}, {0L, -1L}, {4L, 0L}, {0L, 3L}, {LONG_MAX, LONG_MIN}})
        EXPECT_EQ(canvas.point(x, y), -1) << x << "," << y;
    EXPECT_EQ(canvas.point(3, 2), white);
}

TEST(CanvasClipping, PictureHangingOverEveryEdge) {
    Canvas canvas = whiteCanvas(3, 3);
    Picture picture(5, 5, static_cast<std::uint32_t>(red));
    picture.at(1, 1) = black;
    canvas.paintPicture(picture, -1, -1);  // (1, 1) of the picture lands on (0, 0)
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 3), (Art{"#rr", "rrr", "rrr"}));
    canvas.paintPicture(picture, LONG_MAX, 0);
    canvas.paintPicture(picture, LONG_MIN, LONG_MIN);
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 3), (Art{"#rr", "rrr", "rrr"}));
}

TEST(CanvasColours, OnlyTheLow24BitsAreKept) {
    Canvas canvas = whiteCanvas(2, 1);
    canvas.pset(0, 0, 0x7F0000FFL);
    canvas.pset(1, 0, -1);
    EXPECT_EQ(canvas.point(0, 0), red);
    EXPECT_EQ(canvas.point(1, 0), white);
}

TEST(CanvasLayers, ScreenLayerLiesOverThePersistentImage) {
    Canvas canvas = whiteCanvas(4, 1);
    paintArt(canvas, 0, 0, {"##.."});
    canvas.setScreenOnly(true);
    canvas.fillBox(1, 0, 2, 0, red);
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 1), (Art{"#rr."}));
    EXPECT_EQ(canvas.image().at(1, 0), black);  // the image holds no screen marks
    EXPECT_EQ(canvas.image().at(2, 0), white);
    canvas.clearScreenLayer();
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 1), (Art{"##.."}));
}

TEST(CanvasLayers, ReadsSeeWhicheverLayerWasWrittenLast) {
    Canvas canvas = whiteCanvas(3, 1);
    canvas.setScreenOnly(true);
    canvas.fillBox(0, 0, 2, 0, red);
    canvas.setScreenOnly(false);
    canvas.pset(1, 0, green);  // replaces the screen mark at this pixel only
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 1), (Art{"rgr"}));
    canvas.clearScreenLayer();
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 1), (Art{".g."}));  // the persistent write survives
}

TEST(CanvasLayers, PaintPictureGoesToTheCurrentTarget) {
    Canvas canvas = whiteCanvas(2, 1);
    canvas.setScreenOnly(true);
    canvas.paintPicture(Picture(2, 1, static_cast<std::uint32_t>(blue)), 0, 0);
    EXPECT_EQ(artOf(canvas, 0, 0, 2, 1), (Art{"bb"}));
    EXPECT_EQ(canvas.image().at(0, 0), white);
}

TEST(CanvasBackground, BackColourClearsPaintingAndScreenLayer) {
    Canvas canvas = whiteCanvas(3, 1);
    canvas.pset(0, 0, black);
    canvas.setScreenOnly(true);
    canvas.pset(1, 0, red);
    canvas.setBackColour(green);
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 1), (Art{"ggg"}));
    EXPECT_EQ(canvas.backColour(), green);
}

TEST(CanvasBackground, PictureLiesBetweenColourAndPainting) {
    Canvas canvas = whiteCanvas(4, 3);
    canvas.pset(3, 2, black);
    canvas.setBackPicture(Picture(2, 2, static_cast<std::uint32_t>(red)));  // clears the painting
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 3), (Art{"rr..", "rr..", "...."}));
    paintArt(canvas, 1, 1, {"##", "##"});
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 3), (Art{"rr..", "r##.", ".##."}));

    // A new colour clears the painting but the picture stays.
    canvas.setBackColour(blue);
    EXPECT_TRUE(canvas.hasBackPicture());
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 3), (Art{"rrbb", "rrbb", "bbbb"}));
}

TEST(CanvasBackground, RemovingThePictureKeepsThePainting) {
    Canvas canvas = whiteCanvas(3, 2);
    canvas.setBackPicture(Picture(3, 2, static_cast<std::uint32_t>(red)));
    canvas.pset(1, 0, black);
    canvas.removeBackPicture();
    EXPECT_FALSE(canvas.hasBackPicture());
    EXPECT_EQ(artOf(canvas, 0, 0, 3, 2), (Art{".#.", "..."}));
    EXPECT_EQ(canvas.image().at(1, 0), black);
}

TEST(CanvasBackground, PictureLargerThanTheSurfaceIsClipped) {
    Canvas canvas = whiteCanvas(2, 2);
    Picture picture(3, 3, static_cast<std::uint32_t>(green));
    picture.at(1, 1) = black;
    canvas.setBackPicture(picture);
    EXPECT_EQ(artOf(canvas, 0, 0, 2, 2), (Art{"gg", "g#"}));
}

TEST(CanvasResize, KeepsTheTopLeftAndShowsTheBackgroundInNewArea) {
    Canvas canvas = whiteCanvas(2, 2);
    canvas.setBackPicture(Picture(3, 1, static_cast<std::uint32_t>(red)));
    paintArt(canvas, 0, 1, {"##"});
    canvas.resize(4, 3);
    EXPECT_EQ(canvas.width(), 4);
    EXPECT_EQ(canvas.height(), 3);
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 3), (Art{"rrr.", "##..", "...."}));
    canvas.resize(1, 2);
    EXPECT_EQ(artOf(canvas, 0, 0, 2, 2), (Art{"r?", "#?"}));
}

TEST(CanvasResize, ShrinkingHidesThePaintingWithoutLosingIt) {
    Canvas canvas = whiteCanvas(3, 3);
    paintArt(canvas, 0, 0, {"#.#", "...", "#.#"});
    canvas.resize(2, 2);
    EXPECT_EQ(canvas.point(2, 2), -1);
    canvas.fillBox(-5, -5, 50, 50, red);  // clipped to what shows
    EXPECT_EQ(canvas.image().width, 2);
    EXPECT_EQ(artOf(canvas, 0, 0, 2, 2), (Art{"rr", "rr"}));
    canvas.resize(4, 3);
    EXPECT_EQ(artOf(canvas, 0, 0, 4, 3), (Art{"rr#.", "rr..", "#.#."}));
}

// The screen layer is made with its first mark: marks made before a grow keep
// their place, and a layer first used after one covers the grown surface.
TEST(CanvasResize, ScreenLayerMarksKeepTheirPlaceAcrossAGrow) {
    Canvas before = whiteCanvas(2, 2);
    before.setScreenOnly(true);
    before.pset(1, 1, red);
    before.resize(4, 3);
    before.pset(3, 2, blue);
    EXPECT_EQ(artOf(before, 0, 0, 4, 3), (Art{"....", ".r..", "...b"}));

    Canvas after = whiteCanvas(2, 2);
    after.resize(4, 3);
    after.setScreenOnly(true);
    after.pset(3, 2, red);
    after.setScreenOnly(false);
    after.pset(0, 0, green);
    EXPECT_EQ(artOf(after, 0, 0, 4, 3), (Art{"g...", "....", "...r"}));
    after.clearScreenLayer();
    EXPECT_EQ(artOf(after, 0, 0, 4, 3), (Art{"g...", "....", "...."}));
}

TEST(CanvasResize, NonPositiveSizesAreIgnored) {
    Canvas canvas = whiteCanvas(3, 2);
    canvas.pset(2, 1, black);
    for (const auto& [w, h] : {std::pair{0, 5}, {5, 0}, {-3, -3}}) {
        canvas.resize(w, h);
        EXPECT_EQ(canvas.width(), 3);
        EXPECT_EQ(canvas.height(), 2);
        EXPECT_EQ(canvas.point(2, 1), black);
    }
}

TEST(CanvasVersion, MovesOnChangesOnly) {
    Canvas canvas = whiteCanvas(3, 3);
    auto v = canvas.version();
    canvas.pset(1, 1, black);
    EXPECT_GT(canvas.version(), v);
    v = canvas.version();
    canvas.pset(10, 10, black);       // off the surface
    canvas.clearScreenLayer();        // nothing on it
    canvas.resize(0, 0);              // ignored
    EXPECT_EQ(canvas.version(), v);
    canvas.setScreenOnly(true);
    canvas.line(0, 0, 2, 0, red);
    EXPECT_GT(canvas.version(), v);
    v = canvas.version();
    canvas.clearScreenLayer();
    EXPECT_GT(canvas.version(), v);
}


// The surface never grows past what the screens show, however large the window
// grows; within the limit it follows the window as before.
TEST(CanvasSize, NeverGrowsPastTheLimit) {
    Canvas canvas(100, 80);
    canvas.setSizeLimit(1280, 1024);
    canvas.resize(32767, 32767);
    EXPECT_EQ(canvas.width(), 1280);
    EXPECT_EQ(canvas.height(), 1024);
    canvas.resize(640, 480);
    EXPECT_EQ(canvas.width(), 640);
    EXPECT_EQ(canvas.height(), 480);
    canvas.setSizeLimit(100000, 100000);  // no screen is that large: the largest surface holds
    canvas.resize(100000, 50);
    EXPECT_EQ(canvas.width(), largestSurfaceSide);
    EXPECT_EQ(canvas.height(), 50);
    EXPECT_EQ(canvas.point(largestSurfaceSide - 1, 49), 0);
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {
namespace {

// A box scan sees what point() reads, in the same order, whether the box lies
// inside the surface, crosses its edge or has screen-layer pixels, at any stride.
TEST(CanvasScan, EveryPixelReadsWhatPointReads) {
    Canvas canvas(6, 5);
    canvas.setBackColour(0x112233);
    canvas.fillBox(1, 1, 3, 2, 0x0000FF);
    canvas.pset(4, 3, 0x00FF00);
    const struct {
        const char* name;
        long x1, y1, x2, y2, stride;
        bool screenPixel;
    } boxes[] = {{"inside", 1, 0, 4, 4, 1, false},     {"inside, stride 2", 0, 0, 5, 4, 2, false},
                 {"over the edge", -2, -1, 6, 5, 1, false}, {"inside, screen pixel", 1, 0, 4, 4, 1, true}};
    for (const auto& b : boxes) {
        if (b.screenPixel) {
            canvas.setScreenOnly(true);
            canvas.pset(2, 2, 0xFF00FF);
            canvas.setScreenOnly(false);
        }
        std::vector<long> seen, expected;
        for (long y = b.y1; y <= b.y2; y += b.stride)
            for (long x = b.x1; x <= b.x2; x += b.stride) expected.push_back(canvas.point(x, y));
        EXPECT_TRUE(canvas.everyPixel(b.x1, b.y1, b.x2, b.y2, b.stride, [&](long c) {
            seen.push_back(c);
            return true;
        }));
        EXPECT_EQ(seen, expected) << b.name;
        // Stopped by the visitor at the green pixel: false, and nothing read after it.
        seen.clear();
        const bool whole = canvas.everyPixel(b.x1, b.y1, b.x2, b.y2, b.stride, [&](long c) {
            seen.push_back(c);
            return c != 0x00FF00;
        });
        const auto green = std::find(expected.begin(), expected.end(), 0x00FF00);
        EXPECT_EQ(whole, green == expected.end()) << b.name;
        EXPECT_EQ(seen.size(), green == expected.end() ? expected.size() : std::size_t(green - expected.begin()) + 1)
            << b.name;
    }
}

}  // namespace
}  // namespace tarnwick
