#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/file_list.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

TEST(FileFilter, GlobsWithStarAndQuestionMark) {
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"temple.maze", "*.maze", true},
        {"temple.maze.bak", "*.maze", false},
        {"temple.MAZE", "*.maze", false},
        {".maze", "*.maze", true},
        {"a.pat", "?.pat", true},
        {"ab.pat", "?.pat", false},
        {"left2.pt", "*2.pt", true},
        {"x.3d-pipe-pat", "*.3d-*-pat", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c", false},
        {"anything", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"exact", "exact", true},
    };
    for (const auto& c : cases) EXPECT_EQ(matchesFilter(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

TEST(FileList, ListsMatchingRegularFilesSorted) {
    TempWorkDir dir;
    for (const char* name : {"b.maze", "a.maze", "c.bmp"}) std::ofstream(name) << "x";
    std::filesystem::create_directory("folder.maze");
    EXPECT_EQ(listFiles("*.maze"), (std::vector<std::string>{"a.maze", "b.maze"}));
    EXPECT_TRUE(listFiles("*.pat").empty());
}

// A panel offers only the names that, clicked and taken by the name rule, name
// the file itself: the others would load another file or none.
TEST(FileList, OffersOnlyNamesThatNameTheirOwnFile) {
    TempWorkDir dir;
    const struct {
        const char* name;
        bool offered;
    } cases[] = {
        {"castle.maze", true},
        {"my castle .maze", true},  // blanks inside and at the end stay in the name
        {"two\nlines.maze", false},
        {"tab\there.maze", false},
        {" leading.maze", false},
        {"   .maze", false},
        {".maze", false},
        {"..maze", false},
        {"castle.old.maze", false},  // taken as "castle"
        {"back\\slash.maze", true},
    };
    std::vector<std::string> offered;
    for (const auto& c : cases) {
        std::ofstream(c.name) << "x";
        if (c.offered) offered.push_back(c.name);
    }
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(listFiles("*.maze"), offered);

    // A pattern set's load refuses a backslash, which a drawing's takes.
    for (const char* name : {"left.3d-pipe-pat", "odd.name.3d-pipe-pat", " left.3d-pipe-pat", "back\\slash.3d-pipe-pat",
                             "back\\slash.pat", "right.pat"})
        std::ofstream(name) << "x";
    EXPECT_EQ(listFiles("*.3d-pipe-pat"), std::vector<std::string>{"left.3d-pipe-pat"});
    EXPECT_EQ(listFiles("*.pat"), std::vector<std::string>{"right.pat"});
}

}  // namespace
}  // namespace tarnwick::test
