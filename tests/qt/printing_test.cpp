#include <QPrinterInfo>

#include <filesystem>
#include <fstream>

#include "pdf_pages.h"
#include "platform/qt/printing.h"
#include "support/headless_work_dir.h"
#include "window_fixture.h"

namespace tarnwick::test {
namespace {

using WindowPrinting = WindowTest;

std::string head(const std::string& fileName, std::size_t n) {
    std::ifstream in(fileName, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

TEST_F(WindowPrinting, WithoutAPrinterPagesBecomeNumberedPdfFiles) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer would print";
    TempWorkDir dir;
    std::ofstream("tarnwick-print-1.pdf") << "taken";
    const Picture page(80, 60, 0x0000FF);
    const PrintResult first = platform.printPage(page);
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.where, "tarnwick-print-2.pdf");
    EXPECT_EQ(head("tarnwick-print-2.pdf", 5), "%PDF-");
    EXPECT_EQ(platform.printPage(page).where, "tarnwick-print-3.pdf");
    EXPECT_EQ(head("tarnwick-print-1.pdf", 5), "taken");
}

TEST_F(WindowPrinting, APageThatCannotBeWrittenIsReportedAsNotPrinted) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer would print";
    TempWorkDir dir;
    std::filesystem::remove(dir.path());  // the current directory is gone: nothing can be written there
    const PrintResult result = platform.printPage(Picture(80, 60, 0x0000FF));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.where, "tarnwick-print-1.pdf");
    EXPECT_FALSE(platform.printPage(Picture()).ok) << "an empty page";
}

// Each page is a PDF file of one page that holds the whole window, undistorted,
// as large as the page allows and centred.
TEST(PdfPages, EachPageHoldsTheWindowImage) {
    TempWorkDir dir;
    const Picture window = markedWindow();
    for (const char* name : {"tarnwick-print-1.pdf", "tarnwick-print-2.pdf"}) {
        SCOPED_TRACE(name);
        const PrintResult result = printToPdf(window);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.where, name);
        EXPECT_EQ(pdfPageCount(QString::fromStdString(name)), 1);
        if (!canRenderPdf()) continue;
        const std::optional<QImage> page = renderPdfPage(QString::fromStdString(name), 1);
        ASSERT_TRUE(page);
        EXPECT_GT(page->width(), page->height()) << "a wide window prints across the page";
        EXPECT_EQ(pageShowsMarkedWindow(*page), "");
    }
    if (!canRenderPdf()) GTEST_SKIP() << "pages counted; no pdftoppm here to look at them";
}

}  // namespace
}  // namespace tarnwick::test
