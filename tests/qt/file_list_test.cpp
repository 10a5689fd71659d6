#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarnwick::test
