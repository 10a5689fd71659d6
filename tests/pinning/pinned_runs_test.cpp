// Pins what the program does today for fixed seeds: the passes of every stage,
// the final picture and every pattern file. Speed-ups must keep each run
// exactly as it is, so an expected value here never changes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/script.h"
#include "platform/headless/script_runner.h"
#include "platform/picture_files.h"
#include "pinning/stage_log.h"
#include "shell/form57.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

std::uint64_t fnv1a(const void* data, std::size_t size, std::uint64_t hash = 14695981039346656037ull) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

std::string hex(std::uint64_t hash) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// " NAME=HASH" for each pattern file in the current directory, by name.
std::string patternFileHashes() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().extension() == ".pt") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string all;
    for (const std::string& name : names) {
        std::ifstream file(name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        all += " " + name + "=" + hex(fnv1a(bytes.data(), bytes.size())).substr(8);
    }
    return all;
}

// Border walls of two colours inside an open picture of two colours, one
// character a block of 20 by 20 pixels: '.' black and 's' silver are open,
// '#' grey and 'y' yellow border colours. No open area is closed in.
Picture wallsPicture() {
    static const char* const art[] = {
        "................",
        "..##.....ss..yy.",
        "..##.....ss..yy.",
        "........ssss....",
        "...######.......",
        "...#....#...ss..",
        "...#.ss.#.......",
        "...#.ss.....##..",
        "...####.##..##..",
        "..........y.....",
        ".##....ssyyyy...",
        "................",
    };
    constexpr int block = 20;
    Picture picture(16 * block, 12 * block);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const char c = art[y / block][x / block];
            picture.at(x, y) = c == 's' ? 0xC0C0C0 : c == '#' ? 0x808080 : c == 'y' ? 0x00FFFF : 0x000000;
        }
    return picture;
}

// From the title to an imported drawing, open everywhere or `walls.bmp`, of the
// kind the menu item names, at the wall size given, the computer creating.
std::string openDrawing(const char* kind, int wall, bool longUnderpasses = false, const char* picture = "open") {
    std::string s = "passes 3\nbutton \"Click to Begin\"\npasses 20\n";
    s += std::string("menu \"Options\" \"New Tarnwick Drawing\" \"") + kind + "\"\npasses 5\n";
    s += std::string("menu \"Options\" \"Import Bitmap\"\npasses 1\ntype ") + picture + "\nkey Enter\npasses 2\n";
    s += "menu \"Options\" \"Change wall size\"\npasses 1\ntype " + std::to_string(wall) + "\nkey Enter\npasses 2\n";
    s += "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 2\n";
    if (longUnderpasses) s += "menu \"Maze Settings\" \"Length of underpasses\" \"Long\"\npasses 2\n";
    return s;
}

const std::string makeMaze = "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 2000000\npasses 3\n";
const std::string solve = "menu \"Maze Options\" \"Solve maze\"\nuntil-mode 4 2000000\npasses 3\n";

// From the placing stage: the finish searched with the option, back to placing.
std::string searchFinish(int option) {
    static const char* const options[] = {"", "(1)-Computer finds largest solution from start",
                                          "(2)-Computer finds largest solution (include underpasses)",
                                          "(3)-Computer finds most underpasses from start"};
    return std::string("menu \"Maze Settings\" \"End-point-options\" \"") + options[option] +
           "\"\npasses 2\nuntil-mode 2 2000000\npasses 3\n";
}

// From a solved maze (of a 3d kind: a regular one offers option 1 only): another option, its search from placing, and the solve.
std::string searchAgain(int option) {
    return std::string("menu \"Maze Settings\" \"End-point-options\" \"") +
           (option == 2 ? "(2)-Computer finds largest solution (include underpasses)"
                        : "(3)-Computer finds most underpasses from start") +
           "\"\npasses 2\nmenu \"Maze Options\" \"Place start and finish\"\npasses 2\nuntil-mode 2 2000000\npasses 3\n" +
           solve;
}

// Arrow keys, one a line with a pass after each: U D L R.
std::string keys(const std::string& moves) {
    std::string s;
    for (char m : moves)
        s += std::string("key ") + (m == 'U' ? "Up" : m == 'D' ? "Down" : m == 'L' ? "Left" : "Right") + "\npasses 1\n";
    return s;
}

// Arrow keys picked by a fixed sequence, leaning right and down, where the
// finish lies: enough of them get past the walls to wander well into the maze.
std::string wander(std::uint32_t seed, int count) {
    std::string moves;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        moves += "RRRDDDLU"[seed >> 29];
    }
    return moves;
}

// From the title to an example chosen through "Maze Picture": the first "New maze "
// ends the drawing stage and brings the example's settings.
std::string openExample(const char* caption) {
    return std::string("passes 3\nbutton \"Click to Begin\"\npasses 5\nmenu \"Maze Picture\" \"") + caption +
           "\"\npasses 5\nmenu \"Maze Options\" \"New maze \"\npasses 20\n";
}

const std::string computerCreates = "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 2\n";
const std::string userCreates = "menu \"Maze Settings\" \"Maze creation\" \"(1)-User creates maze\"\npasses 2\n";
const std::string longUnderpasses = "menu \"Maze Settings\" \"Length of underpasses\" \"Long\"\npasses 2\n";
const std::string level6 = "menu \"Maze Settings\" \"3d-maze-difficulty\" \"          6\"\npasses 2\n";

struct PinnedRun {
    const char* name;
    std::uint64_t seed;
    std::string script;
    // "stages MODE:PASSES ... | picture HASH | FILE.pt=HASH ...", the stages in
    // the order they ran, the last up to the script's end.
    const char* expected;
    int width = 320, height = 240;  // the examples are pictures of 800 by 600
};
void PrintTo(const PinnedRun& run, std::ostream* os) { *os << run.name; }

std::vector<PinnedRun> pinnedRuns() {
    const std::string regular = "regular 2-d mazes", d3 = "3d-mazes", pipe = "3d-pipe-mazes";
    // Hard mode without the trail, then easy mode with it, whose walk the picture keeps.
    const std::string play = "menu \"Maze Settings\" \"Play options\" \"(2)-hard\"\npasses 2\n"
                             "menu \"Maze Settings\" \"Play options\" \"Leave trail\"\npasses 2\n"
                             "menu \"Maze Options\" \"Solve maze\"\npasses 3\n" + keys(wander(1, 150)) +
                             "menu \"Maze Settings\" \"Play options\" \"(1)-easy\"\npasses 2\n"
                             "menu \"Maze Settings\" \"Play options\" \"Leave trail\"\npasses 2\n"
                             "menu \"Maze Options\" \"Place start and finish\"\npasses 3\n"
                             "menu \"Maze Options\" \"Solve maze\"\npasses 3\n" + keys(wander(2, 300));
    const std::string editor =
        "menu \"Patterns\" \"Edit left pattern\"\npasses 5\n" + keys("UULLDR") +
        "key G\npasses 2\n" + keys("RDDLU") +
        "menu \"Patterns\" \"Exit pattern editor\"\npasses 5\n" + makeMaze +
        "menu \"Maze Options\" \"Go back to Drawing\"\npasses 5\n"
        "menu \"Patterns\" \"Edit up pattern\"\npasses 5\nmenu \"Patterns\" \"Create random pattern\"\npasses 5\n"
        "menu \"Patterns\" \"Exit pattern editor\"\npasses 5\n" + makeMaze;
    const std::string randomFill =
        "menu \"Maze Settings\" \"Pattern settings\" \"Create random identical patterns for every maze\"\n"
        "passes 2\n" + makeMaze + searchFinish(1) + solve;
    return {
        {"regular_wall_10", 1, openDrawing(regular.c_str(), 10) + makeMaze + searchFinish(1) + solve,
         "stages -5:4 0:42 1:18255 2:4 3:15375 2:4 3:5695 4:4 | "
         "picture 76b2600c827b4afd | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"regular_wall_5", 2, openDrawing(regular.c_str(), 5) + makeMaze + searchFinish(1) + solve,
         "stages -5:4 0:42 1:90358 2:4 3:30717 2:4 3:13827 4:4 | "
         "picture 69bd98d16eeab4bd | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"3d_wall_10", 3, openDrawing(d3.c_str(), 10) + makeMaze + searchFinish(1) + solve + searchAgain(2),
         "stages -5:4 0:42 1:15426 2:4 3:12919 2:4 3:7635 4:7 3:12919 2:4 3:7635 4:4 | "
         "picture 4a925afd632769f5 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"3d_wall_5", 4, openDrawing(d3.c_str(), 5) + makeMaze + searchFinish(3) + solve + searchAgain(2),
         "stages -5:4 0:42 1:105609 2:4 3:24801 2:4 3:16220 4:7 3:24801 2:4 3:20018 4:4 | "
         "picture a9d9a422a886a715 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"3d_pipe_short_wall_10", 5, openDrawing(pipe.c_str(), 10) + makeMaze + searchFinish(2) + solve + searchAgain(3),
         "stages -5:4 0:42 1:2348 2:4 3:8111 2:4 3:4947 4:7 3:8111 2:4 3:4947 4:4 | "
         "picture 8d0bc5fab092efd5 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"3d_pipe_short_wall_5", 6, openDrawing(pipe.c_str(), 5) + makeMaze + searchFinish(1) + solve + searchAgain(3),
         "stages -5:4 0:42 1:13715 2:4 3:15717 2:4 3:5327 4:7 3:15717 2:4 3:10881 4:4 | "
         "picture b58c3458457b7ae5 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"3d_pipe_long_wall_10", 7, openDrawing(pipe.c_str(), 10, true) + makeMaze + searchFinish(3) + solve + searchAgain(2),
         "stages -5:4 0:45 1:1927 2:4 3:8219 2:4 3:2855 4:7 3:8219 2:4 3:2855 4:4 | "
         "picture e309606b03d0f99d | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"3d_pipe_long_wall_5", 8, openDrawing(pipe.c_str(), 5, true) + makeMaze + searchFinish(2) + solve + searchAgain(3),
         "stages -5:4 0:45 1:55737 2:4 3:15683 2:4 3:3540 4:7 3:15683 2:4 3:2469 4:4 | "
         "picture de746c337de0b24c | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"play_keys_regular", 9, openDrawing(regular.c_str(), 10) + makeMaze + play,
         "stages -5:4 0:42 1:9943 2:10 3:310 2:4 3:604 | "
         "picture e7a1091d34e14845 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"play_keys_3d_pipe", 10, openDrawing(pipe.c_str(), 10) + makeMaze + play,
         "stages -5:4 0:42 1:2006 2:10 3:310 2:4 3:604 | "
         "picture ca6e4bd7c5e831e5 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        // The return to the drawing no longer paints the unused cursor of the new
        // drawing into the imported picture, so the second maze differs.
        {"pattern_editor_replay", 11, openDrawing(regular.c_str(), 10) + editor,
         "stages -5:4 0:42 -1:31 0:6 1:15413 2:4 0:7 -1:11 0:6 1:27569 2:4 | "
         "picture 276215751174aba5 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=f7654a41 Right.pt=8ce2160a down.pt=44512b34 left2.pt=c377af5a up.pt=8c19856a up2.pt=98ed236c"},
        {"random_pattern_fill", 12, openDrawing(regular.c_str(), 10) + randomFill,
         "stages -5:4 0:45 1:44307 2:4 3:15367 2:4 3:8500 4:4 | "
         "picture 5eba02128c2060d5 | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=ddf5091d Right.pt=bc3c5d5a down.pt=18d78d3c left2.pt=c377af5a up.pt=a092457b"},
        // The examples: pictures of many colours, passages in colours of their own.
        {"space_station_long_level_6", 13,
         openExample("space-station.maze") + computerCreates + longUnderpasses + level6 + makeMaze + searchFinish(2) +
             solve,
         "stages -5:4 0:42 1:7198 2:4 3:8579 2:4 3:3534 4:4 | "
         "picture 64c39c411053bca3 | "
         "3dLeft.pt=c377af5a 3dRight.pt=f736be8d 3ddown.pt=7d11e3e7 3dpipedown.pt=7d11e3e7 3dpipeleft.pt=c377af5a 3dpiperight.pt=f736be8d 3dpipeup.pt=98ed236c 3dup.pt=98ed236c Left.pt=c377af5a Right.pt=f736be8d down.pt=7d11e3e7 up.pt=98ed236c",
         800, 600},
        {"christmas_tree_level_6", 14, openExample("Christmas-tree.maze") + computerCreates + level6 + makeMaze + solve,
         "stages -5:4 0:39 1:49091 2:4 3:14334 4:4 | "
         "picture 6ce4e2b9307688d4 | "
         "3dLeft.pt=c377af5a 3dRight.pt=f736be8d 3ddown.pt=7d11e3e7 3dpipedown.pt=7d11e3e7 3dpipeleft.pt=c377af5a 3dpiperight.pt=f736be8d 3dpipeup.pt=98ed236c 3dup.pt=98ed236c Left.pt=c377af5a Right.pt=f736be8d down.pt=7d11e3e7 up.pt=98ed236c",
         800, 600},
        // The user carves a few cells, then J hands the maze to the computer.
        {"temple_user_then_j", 15,
         openExample("temple.maze") + userCreates + "menu \"Maze Options\" \"New maze \"\npasses 5\n" +
             keys("RRRRUUURRUUUL") + "key J\npasses 2\nuntil-mode 2 2000000\npasses 3\n" + solve,
         "stages -5:4 0:36 1:71758 2:4 3:18139 4:4 | "
         "picture 1b5f4546c8235c2d | "
         "3dLeft.pt=c377af5a 3dRight.pt=f736be8d 3ddown.pt=7d11e3e7 3dpipedown.pt=7d11e3e7 3dpipeleft.pt=c377af5a 3dpiperight.pt=f736be8d 3dpipeup.pt=98ed236c 3dup.pt=98ed236c Left.pt=c377af5a Right.pt=f736be8d down.pt=7d11e3e7 up.pt=98ed236c",
         800, 600},
        {"border_walls_regular", 16, openDrawing(regular.c_str(), 10, false, "walls") + makeMaze + searchFinish(1) + solve,
         "stages -5:4 0:42 1:34298 2:4 3:12487 2:4 3:4636 4:4 | "
         "picture 8f292459b983bead | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
        {"border_walls_3d", 17, openDrawing(d3.c_str(), 10, false, "walls") + makeMaze + searchFinish(2) + solve,
         "stages -5:4 0:42 1:19410 2:4 3:11059 2:4 3:8273 4:4 | "
         "picture d77440ef94c2a0fd | "
         "3dLeft.pt=afaf1a97 3dRight.pt=8ce2160a 3ddown.pt=44512b34 3dpipedown.pt=44512b34 3dpipeleft.pt=afaf1a97 3dpiperight.pt=8ce2160a 3dpipeup.pt=62c6aca9 3dup.pt=62c6aca9 Left.pt=afaf1a97 Right.pt=8ce2160a down.pt=44512b34 up.pt=62c6aca9"},
    };
}

class PinnedRunTest : public ::testing::TestWithParam<PinnedRun> {
protected:
    TempWorkDir workDir;
};

TEST_P(PinnedRunTest, StagesPictureAndPatternFilesAsToday) {
    const PinnedRun& run = GetParam();
    for (const auto& file : std::filesystem::directory_iterator(TARNWICK_DATA_DIR))
        std::filesystem::copy_file(file.path(), file.path().filename());
    ASSERT_TRUE(savePictureFile(Picture(run.width, run.height, 0x000000), "open.bmp"));
    ASSERT_TRUE(savePictureFile(wallsPicture(), "walls.bmp"));
    ParsedScript parsed = parseScript(run.script);
    ASSERT_TRUE(parsed.errors.empty()) << formatErrors(parsed.errors);

    HeadlessPlatform platform(run.width, run.height);
    // The program reseeds itself from the clock, so the seed sets the clock too.
    platform.setClock(HeadlessPlatform::defaultClockStart + static_cast<double>(run.seed));
    StageLog log(platform);
    Form57 form(log);
    log.watch(form);
    form.random.seed(run.seed);
    const auto failures = playScript(std::move(parsed.steps), platform, form, [&] { form.run(); });
    ASSERT_TRUE(failures.empty()) << formatErrors(failures);

    const Picture picture = form.canvas.image();
    const std::string actual = "stages " + log.text() + " | picture " +
                               hex(fnv1a(picture.pixels.data(), picture.pixels.size() * sizeof picture.pixels[0])) +
                               " |" + patternFileHashes();
    EXPECT_EQ(actual, run.expected);
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, PinnedRunTest, ::testing::ValuesIn(pinnedRuns()),
                         [](const ::testing::TestParamInfo<PinnedRun>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
