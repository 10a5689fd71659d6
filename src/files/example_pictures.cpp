#include "files/example_pictures.h"

#include <array>
#include <utility>

#include "files/picture_painter.h"

// Every region edge lies on the drawing lattice of wall size 10 (and on the 20-pixel
// blocks for the 3d-pipe pictures), so that each lattice cell is wholly one colour
// and the open cells of a picture form one connected area.

namespace tarnwick {

namespace {

constexpr int pictureWidth = 800;
constexpr int pictureHeight = 600;

using Cells = std::array<std::pair<int, int>, 18>;

void paintCells(PicturePainter& paint, const Cells& cells, std::uint32_t c) {
    for (const auto& [x, y] : cells) paint.cell(x, y, c);
}

Picture temple() {
    Picture pic(pictureWidth, pictureHeight, colour::cyan);
    PicturePainter paint(pic);
    paint.fill(60, 540, 739, 579, colour::olive);
    paint.fill(80, 520, 719, 539, colour::olive);
    paint.fill(100, 500, 699, 519, colour::olive);
    for (int x : {130, 230, 330, 430, 530, 630}) paint.fill(x, 220, x + 39, 499, colour::silver);
    paint.fill(100, 180, 699, 219, colour::silver);
    for (int r = 0; r <= 11; ++r) {
        const int half = 30 * (r + 1);
        paint.fill(400 - half, 60 + 10 * r, 399 + half, 69 + 10 * r, colour::maroon);
    }
    return pic;
}

// Symmetric about the block column 19 (x 390-409) and the block row 14 (y 290-309).
Picture spaceStation() {
    Picture pic(pictureWidth, pictureHeight, colour::black);
    PicturePainter paint(pic);
    static constexpr Cells stars{{{30, 30}, {150, 60}, {260, 120}, {90, 170}, {200, 200}, {300, 60},
                                  {500, 40}, {640, 90}, {720, 170}, {560, 190}, {700, 30}, {40, 420},
                                  {150, 480}, {260, 400}, {310, 540}, {620, 500}, {740, 440}, {560, 560}}};
    paintCells(paint, stars, colour::yellow);
    paint.blocks(2, 12, 12, 16, colour::blue);   // left solar panel
    paint.blocks(26, 12, 36, 16, colour::blue);  // right solar panel
    paint.blocks(13, 14, 15, 14, colour::grey);  // trusses
    paint.blocks(23, 14, 25, 14, colour::grey);
    paint.blocks(16, 11, 22, 17, colour::silver);  // hub
    paint.blocks(18, 4, 20, 10, colour::teal);     // modules
    paint.blocks(18, 18, 20, 24, colour::teal);
    return pic;
}

Picture diamond() {
    Picture pic(pictureWidth, pictureHeight, colour::grey);
    PicturePainter paint(pic);
    for (int j = 2; j <= 26; ++j) {
        const int h = 12 - (j < 14 ? 14 - j : j - 14);
        for (int i = 19 - h; i <= 19 + h; ++i) {
            const bool upper = j < 14;
            const bool left = i < 19;
            const std::uint32_t facet = upper ? (left ? colour::teal : colour::silver)
                                              : (left ? colour::purple : colour::teal);
            paint.block(i, j, facet);
        }
    }
    return pic;
}

Picture christmasTree() {
    Picture pic(pictureWidth, pictureHeight, colour::blue);
    PicturePainter paint(pic);
    static constexpr Cells stars{{{40, 40}, {150, 30}, {250, 90}, {80, 150}, {560, 60}, {680, 40},
                                  {740, 130}, {620, 150}, {60, 300}, {130, 250}, {700, 280}, {740, 360},
                                  {40, 480}, {90, 560}, {220, 560}, {560, 560}, {700, 520}, {760, 580}}};
    paintCells(paint, stars, colour::yellow);
    paint.fill(390, 40, 409, 59, colour::olive);
    struct Tier { int top, rows, firstHalf; };
    for (const Tier& tier : {Tier{60, 14, 10}, Tier{200, 16, 60}, Tier{360, 16, 100}}) {
        for (int r = 0; r < tier.rows; ++r) {
            const int half = tier.firstHalf + 10 * r;
            paint.fill(400 - half, tier.top + 10 * r, 399 + half, tier.top + 9 + 10 * r, colour::green);
        }
    }
    paint.fill(370, 520, 429, 579, colour::maroon);
    // Ornaments: border cells well inside the tiers and apart from each other, so no open cell is cut off.
    static constexpr std::array<std::pair<int, int>, 10> ornaments{
        {{370, 120}, {420, 160}, {330, 240}, {450, 280}, {380, 320}, {260, 340},
         {350, 400}, {460, 440}, {250, 480}, {540, 500}}};
    for (const auto& [x, y] : ornaments) paint.cell(x, y, colour::red);
    return pic;
}

}  // namespace

Picture builtinPicture(int exampledrawing) {
    switch (exampledrawing) {
        case 1: return temple();
        case 2: return spaceStation();
        case 3: return diamond();
        case 4: return christmasTree();
        default: return {};
    }
}

}  // namespace tarnwick
