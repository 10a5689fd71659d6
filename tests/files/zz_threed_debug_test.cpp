#include <filesystem>
#include <cstdio>
#include <gtest/gtest.h>
#include "core/colours.h"
#include "example_settings.h"
#include "files/example_pictures.h"
#include "support/headless_program.h"
namespace tarnwick::test {
namespace {
namespace fs = std::filesystem;
const char* const caps[5] = {"", "temple.maze", "space-station.maze", "Diamond.maze", "Christmas-tree.maze"};
TEST(ZZThreedDebug, Dump) {
    const char* e = getenv("EX"); if (!e) GTEST_SKIP();
    int ex = atoi(e);
    TempWorkDir wd; HeadlessProgram program{800, 600, 3'000'000};
    for (int k = 1; k <= 4; ++k) fs::copy_file(dataDir() / exampleFileName(k), exampleFileName(k));
    std::string script = std::string("passes 3\nbutton \"Click to Begin\"\npasses 5\nmenu \"Maze Picture\" \"") + caps[ex] +
        "\"\npasses 5\nmenu \"Maze Options\" \"New maze \"\npasses 20\nmenu \"Maze Options\" \"New maze \"\nuntil-mode 2 2500000\n";
    ASSERT_EQ(program.runScript(script), "");
    Form57& f = program.form;
    const Picture pic = builtinPicture(ex);
    const long w = f.wallsizex, step = f.gridstepx;
    printf("kind %ld level %ld path %ld short %ld\n", (long)f.mazekind, (long)f.difficultylevel, (long)f.pathsize, f.shortunderpasses);
    for (int k=1;k<=16;++k) printf("pal %d %lx pass %lx open %d\n", k, f.palette[k], (long)f.passagecolors[k], isOpenColour(f,f.palette[k]));
    for (long y = w; y + step <= pic.height; y += step)
        for (long x = w; x + step <= pic.width; x += step) {
            bool open = true;
            for (long py = y; py < y + w && open; ++py)
                for (long px = x; px < x + w && open; ++px) open = isOpenColour(f, pic.at(px, py));
            const long centre = f.canvas.point(x + w / 2, y + w / 2);
            if (!open || centre == f.startcolor || centre == f.finishcolor) continue;
            bool bad = !isPassageColour(f, centre);
            for (int k = 1; k <= 16; ++k)
                if (pic.at(x, y) == (std::uint32_t)f.palette[k] && centre != f.passagecolors[k]) bad = true;
            if (!bad) continue;
            printf("cell %ld,%ld draw %x centre %lx\n", x, y, pic.at(x,y), centre);
            std::map<long,char> legend; char next='a';
            for (long py = y - 2*w; py < y + 3*w; ++py) {
                for (long px = x - 2*w; px < x + 3*w; ++px) {
                    long c = f.canvas.point(px, py);
                    if (!legend.count(c)) legend[c] = next++;
                    putchar(legend[c]);
                }
                putchar('\n');
            }
            for (auto& [c, ch] : legend) printf("  %c=%lx%s\n", ch, c, isPassageColour(f,c)?" passage":"");
        }
}
}
}
