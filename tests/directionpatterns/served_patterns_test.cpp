// The pattern files as maze making reads them: from memory, whatever the disk does.
#include <filesystem>
#include <string>
#include <vector>

#include "directionpatterns/pattern_files.h"
#include "directionpatterns/pattern_lines.h"
#include "shell/frame_fixture.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

class ServedPatterns : public HeadlessProgramTest {
protected:
    Form57& f = program.form;
    std::vector<long> entries(const std::string& name, int count = 3) {
        f.files.open(1, name, FileMode::Input);
        std::vector<long> read;
        for (int i = 0; i < count; ++i) {
            f.readpatternentry();
            read.push_back(f.patternentry);
        }
        f.files.close(1);
        return read;
    }
};

// Twelve names the program cannot write: the reset is told once, and each
// pattern plays its reset content.
TEST_F(ServedPatterns, AResetTheDiskRefusesIsServed) {
    for (long kind = 0; kind <= 2; ++kind)
        for (long pattern = 1; pattern <= 4; ++pattern) fs::create_directory(patternfilename(kind, pattern));
    f.resetallpatternfiles();
    EXPECT_EQ(program.platform.messages().size(), 1u);
    for (long kind = 0; kind <= 2; ++kind)
        for (long pattern = 1; pattern <= 4; ++pattern)
            EXPECT_EQ(entries(patternfilename(kind, pattern), 2), (std::vector<long>{pattern, 9999}))
                << patternfilename(kind, pattern);
}

// What the program wrote last is what it plays, though the disk kept the older file.
TEST_F(ServedPatterns, IdenticalPatternsReachTheWalkerWithoutTheDisk) {
    f.mazekind = 0;
    f.resetkindpatterns();
    writeBytes("Left.pt", lines({"1", "3", "9999,88"}));
    fs::remove("down.pt");
    fs::create_directory("down.pt");
    f.rotatepattern(1);
    EXPECT_EQ(entries("down.pt"), (std::vector<long>{4, 1, 9999}));
    EXPECT_EQ(entries("up.pt"), (std::vector<long>{3, 2, 9999}));
    EXPECT_EQ(fileBytes("up.pt"), lines({"3", "2", "9999,88"}));
}

}  // namespace
}  // namespace tarnwick::test
