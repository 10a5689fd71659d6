#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/qt/printing.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

namespace fs = std::filesystem;

// Anything at a print's name takes the number, a link that leads nowhere too:
// the page goes to the next free number and what was there stays as it was.
TEST(PdfNames, AnyEntryAtANameTakesItsNumber) {
    TempWorkDir dir;
    fs::create_symlink("nowhere.pdf", "tarnwick-print-1.pdf");
    fs::create_directory("tarnwick-print-2.pdf");
    std::ofstream("target.pdf") << "kept";
    fs::create_symlink("target.pdf", "tarnwick-print-3.pdf");
    const Picture page(40, 30, 0x00FF00);
    const PrintResult result = printToPdf(page);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.where, "tarnwick-print-4.pdf");
    EXPECT_GT(fs::file_size("tarnwick-print-4.pdf"), 0u);
    EXPECT_TRUE(fs::is_symlink("tarnwick-print-1.pdf"));
    EXPECT_FALSE(fs::exists("nowhere.pdf")) << "a dangling link is never written through";
    EXPECT_TRUE(fs::is_empty("tarnwick-print-2.pdf"));
    EXPECT_EQ(fs::file_size("target.pdf"), 4u);
    EXPECT_EQ(printToPdf(page).where, "tarnwick-print-5.pdf");
}

}  // namespace
}  // namespace tarnwick::test
