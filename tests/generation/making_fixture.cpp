#include "generation/making_fixture.h"

#include "core/colours.h"
#include "core/program_end.h"

namespace tarnwick::test {

namespace {
int paletteIndexOf(char c) {
    switch (c) {
        case '.': case 'S': case 'F': return 1;  // black
        case 'n': return 2;                      // navy
        case 'g': return 3;                      // green
        case 'G': return 9;                      // gray
        case 'R': return 13;                     // red
        default: return 9;
    }
}
}  // namespace

long passageColourOf(int paletteIndex) { return 0xF0E000 + paletteIndex; }

MakingTest::MakingTest(int width, int height)
    : program(width, height), form(program.form), platform(program.platform) {
    standardColours();
}

void MakingTest::standardColours() {
    setStandardPalette(form);
    for (int k = 1; k <= 16; ++k) setColourClass(form, k, k <= 8);
    setExtraOpenColour(form);
    for (int k = 1; k <= 16; ++k) form.passagecolors.set(static_cast<std::size_t>(k), passageColourOf(k));
}

void MakingTest::paintDrawing(const Drawing& d, long w) {
    drawing = d;
    wall = w;
    form.canvas.setScreenOnly(false);
    form.canvas.fillBox(0, 0, form.canvas.width() - 1, form.canvas.height() - 1, form.palette[9]);
    for (long row = 0; row < static_cast<long>(d.size()); ++row)
        for (long col = 0; col < static_cast<long>(d[row].size()); ++col) {
            const long x = w + col * w, y = w + row * w;
            form.canvas.fillBox(x, y, x + w - 1, y + w - 1, form.palette[paletteIndexOf(d[row][col])]);
            const CellRect b = box({col, row});
            if (d[row][col] == 'S') form.startx1 = b.x1, form.starty1 = b.y1, form.startx2 = b.x2, form.starty2 = b.y2;
            if (d[row][col] == 'F')
                form.finishx1 = b.x1, form.finishy1 = b.y1, form.finishx2 = b.x2, form.finishy2 = b.y2;
        }
    form.wallsizex = w;
    form.wallsizey = w;
    form.gridstepx = w;
    form.gridstepy = w;
    form.mazekind = 0;
    form.areawidth = form.canvas.width();
    form.areaheight = form.canvas.height();
    form.resetallpatternfiles();
    form.savesnapshot("drawing1b.bmp");
    // The maze-stage entry.
    form.programmode = 1;
    form.creationmode = 1;
    form.homex1 = form.startx1, form.homey1 = form.starty1, form.homex2 = form.startx2, form.homey2 = form.starty2;
    form.cellx1 = form.homex1, form.celly1 = form.homey1, form.cellx2 = form.homex2, form.celly2 = form.homey2;
    form.prevcellx1 = form.cellx1, form.prevcelly1 = form.celly1;
    form.prevcellx2 = form.cellx2, form.prevcelly2 = form.celly2;
    form.scanx = form.wallsizex + 1 - form.gridstepx;
    form.scany = form.wallsizey + 1 - form.gridstepy;
    form.random.seed(12345);
}

CellRect MakingTest::box(LatticeCell c) const { return cellBox(wall + c.col * wall, wall + c.row * wall, wall, wall); }

bool MakingTest::stillToCarve(LatticeCell c) {
    const CellRect b = box(c);
    form.scanx = b.x1;
    form.scany = b.y1;
    form.picturedrawing = 1;
    form.finishmaking();
    return form.scanx != b.x1 || form.scany != b.y1;
}

bool MakingTest::makeMaze(std::uint64_t passBudget) {
    platform.setPassBudget(platform.passes() + passBudget);
    try {
        form.makemaze();
    } catch (const ProgramEnd&) {
        return false;
    }
    return true;
}

bool MakingTest::carved(LatticeCell c) const {
    const CellRect b = box(c);
    return isPassageColour(form, pixel(b.x1, b.y1));
}

bool MakingTest::opening(LatticeCell a, LatticeCell b) const {
    const CellRect ba = box(a);
    if (a.row == b.row) {
        const long x = std::max(ba.x2, box(b).x2) - wall;  // right edge of the left cell
        return isPassageColour(form, pixel(x + 1, ba.y1)) && isPassageColour(form, pixel(x + 2, ba.y1));
    }
    const long y = std::max(ba.y2, box(b).y2) - wall;
    return isPassageColour(form, pixel(ba.x1, y + 1)) && isPassageColour(form, pixel(ba.x1, y + 2));
}

std::vector<LatticeCell> MakingTest::drawingCells(char which) const {
    std::vector<LatticeCell> cells;
    for (long row = 0; row < static_cast<long>(drawing.size()); ++row)
        for (long col = 0; col < static_cast<long>(drawing[row].size()); ++col)
            if (drawing[row][col] == which) cells.push_back({col, row});
    return cells;
}

}  // namespace tarnwick::test
