#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "example_settings.h"
#include "support/headless_program.h"

namespace tarnwick::test {
namespace {

class ExampleSettingsFiles : public HeadlessProgramTest {
protected:
    // The example's file as the program's writer produces it from its settings.
    std::string written(int example) {
        applyExampleSettings(program.form, example);
        program.form.savedrawingfiles("example");
        return fileBytes("example.maze");
    }
};

// The committed files are what the writer makes of the settings above, so the two cannot drift apart.
TEST_F(ExampleSettingsFiles, CommittedFilesAreTheWritersOutput) {
    for (int example = 1; example <= 4; ++example) {
        SCOPED_TRACE(exampleFileName(example));
        const std::string committed = fileBytes(dataDir() / exampleFileName(example));
        ASSERT_FALSE(committed.empty());
        EXPECT_EQ(written(example), committed);
    }
}

// Run by hand (--gtest_also_run_disabled_tests) after changing the settings above.
TEST_F(ExampleSettingsFiles, DISABLED_WriteExampleFiles) {
    for (int example = 1; example <= 4; ++example) {
        std::ofstream out(dataDir() / exampleFileName(example), std::ios::binary);
        out << written(example);
    }
}

}  // namespace
}  // namespace tarnwick::test
