#include "example_settings.h"

#include "directionpatterns/pattern_files.h"

#include <array>
#include <utility>
#include <vector>

namespace tarnwick::test {

namespace {

struct Box {
    long x1, y1, x2, y2;
};

struct Example {
    const char* file;
    long window;   // background, pen and border pen: the picture's outer colour
    long openpen;
    long mazekind;
    Box start, finish;
    std::array<int, 17> open;  // 1..16: 1 open ("Background"), 0 border
    std::vector<std::pair<int, long>> passages;  // palette colour -> passage colour; the rest white
};

constexpr long rgb(long r, long g, long b) { return r | g << 8 | b << 16; }

const Example examples[5] = {
    {},
    {"temple.maze", 0xFFFF00, 0xC0C0C0, 0, {71, 561, 78, 568}, {391, 61, 398, 68},
     {0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
     {{5, rgb(255, 160, 160)}, {7, rgb(255, 255, 160)}}},
    {"space-station.maze", 0x000000, 0xC0C0C0, 1, {51, 251, 58, 258}, {731, 331, 738, 338},
     {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0},
     {{4, rgb(128, 255, 255)}, {9, rgb(224, 224, 224)}, {10, rgb(160, 160, 255)}}},
    {"diamond.maze", 0x808080, 0x808000, 1, {391, 531, 398, 538}, {391, 51, 398, 58},
     {0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
     {{4, rgb(128, 255, 255)}, {6, rgb(255, 160, 255)}}},
    {"christmas-tree.maze", 0xFF0000, 0x008000, 2, {391, 571, 398, 578}, {391, 41, 398, 48},
     {0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
     {{3, rgb(160, 255, 160)}, {5, rgb(200, 150, 100)}, {7, rgb(255, 255, 160)}}},
};

}  // namespace

std::string exampleFileName(int exampledrawing) { return examples[exampledrawing].file; }

std::filesystem::path dataDir() {
    return std::filesystem::path(TARNWICK_DATA_DIR);
}

void applyExampleSettings(Form57& f, int exampledrawing) {
    const Example& e = examples[exampledrawing];
    const long wall = 10;
    f.cellx1 = wall;  // the cursor rests on the outer colour, which is the pen
    f.celly1 = wall;
    f.cellx2 = 2 * wall - 1;
    f.celly2 = 2 * wall - 1;
    f.pencolor = e.window;
    f.startx1 = e.start.x1;
    f.starty1 = e.start.y1;
    f.startx2 = e.start.x2;
    f.starty2 = e.start.y2;
    f.startcolor = 0x00FF00;
    f.finishx1 = e.finish.x1;
    f.finishy1 = e.finish.y1;
    f.finishx2 = e.finish.x2;
    f.finishy2 = e.finish.y2;
    f.finishcolor = 0xFF00FF;
    f.wallsizex = wall;
    f.wallsizey = wall;
    f.gridstepx = e.mazekind == 1 ? 2 * wall : wall;
    f.gridstepy = e.mazekind == 1 ? 2 * wall : wall;
    f.mazekind = e.mazekind;
    f.difficultylevel = 4;
    f.programmode = 0;
    f.nodrawing = 0;
    f.passagecolor = 0xFFFFFF;
    f.playoption = 0;
    f.endpointoption = 0;
    f.notrail = 0;
    f.creationmode = 1;
    f.pathsize = 1;
    f.autominimizeon = 0;
    f.ui.setWindowState(WindowState::Normal);
    f.ui.setWindowGeometry(0, 0, 12240, 9600);
    f.ui.setWindowState(WindowState::Maximized);
    f.symmetrymode = 0;
    for (int k = 1; k <= 16; ++k) f.ui.setControlValue("Check" + std::to_string(k), e.open[k]);
    f.canvas.setBackColour(e.window);
    f.unusedsetting = 0;
    for (int k = 1; k <= 16; ++k) f.passagecolors.set(k, 0xFFFFFF);
    for (const auto& [k, colour] : e.passages) f.passagecolors.set(k, colour);
    f.patternstate = 0;
    f.filloption = 0;
    f.dropblockedpattern = 0;
    f.maxrandomsize = 5;
    f.randomsteps = 0;
    f.randompatternmode = 0;
    f.randomleft = 0;
    f.randomright = 0;
    f.randomup = 0;
    f.randomdown = 0;
    f.randomanysize = 0;
    f.randomgmoves = 0;
    f.picturedrawing = 1;
    f.openpencolor = e.openpen;
    f.borderpencolor = e.window;
    // Each pattern one step in its own direction: the patterns a new program starts with.
    for (long kind = 0; kind <= 2; ++kind)
        for (long pattern = 1; pattern <= 4; ++pattern) {
            f.files.open(1, patternfilename(kind, pattern), FileMode::Output);
            f.files.writeLine(1, {pattern, movesend, sectionend});
            f.files.close(1);
        }
}

}  // namespace tarnwick::test
