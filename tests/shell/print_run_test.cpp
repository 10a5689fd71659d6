#include <algorithm>
#include <string>
#include <vector>

#include "frame_fixture.h"
#include "platform/headless/script_runner.h"

namespace tarnwick::test {
namespace {

// The headless printer, noting the progress item as each page comes out.
class WatchedPrinter : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    PrintResult printPage(const Picture& page) override {
        progressAtPrint.push_back(ui()->menu("printing").caption);
        return HeadlessPlatform::printPage(page);
    }
    std::vector<std::string> progressAtPrint;
};

// An L of 10 by 6 cells less a 4 by 3 corner, mazes made by the computer. The
// start square lies on (11, 11)-(18, 18), the finish on (81, 61)-(88, 68).
const std::string drawing = R"s(
passes 3
button "Click to Begin"
passes 20
menu "Options" "New Tarnwick Drawing" "regular 2-d mazes"
passes 5
key Period
passes 2
key D
passes 2
key D
passes 2
key D
passes 2
key S
passes 2
key S
passes 2
key Down
passes 2
key Right
passes 2
menu "Maze Settings" "Maze creation" "(2)-Computer creates maze"
passes 2
)s";

// A run of three mazes without answers, started in the drawing stage.
const std::string threeMazesWithoutAnswers = R"s(
menu "Print-Options" "print mazes(without answers)"
passes 2
type "3"
key Enter
menu "Maze Options" "New maze "
passes 60000
)s";

// The first maze made and placed, no run going.
const std::string firstMazePlaced = R"s(
menu "Maze Options" "New maze "
until-mode 2 100000
passes 3
)s";

constexpr long startColour = 0xFF00FE, finishColour = 0x808081;
constexpr int finishCentreX = 85, finishCentreY = 65;

class PrintRun : public ::testing::Test {
protected:
    std::string play(const std::string& script) {
        ParsedScript parsed = parseScript(drawing + script);
        std::vector<ScriptError> failures = parsed.errors;
        if (failures.empty()) failures = playScript(std::move(parsed.steps), printer, form, [this] { form.run(); });
        return formatErrors(failures);
    }
    const std::vector<Picture>& pages() const { return printer.printedPages(); }
    static bool showsMaze(const Picture& page) {
        return page.at(11, 11) == startColour && page.at(finishCentreX, finishCentreY) == finishColour;
    }

    TempWorkDir workDir;
    WatchedPrinter printer{800, 600};
    Form57 form{printer};
};

// Three mazes, one page each, the progress item counting down; then the
// program goes on making mazes without printing.
TEST_F(PrintRun, WithoutAnswersEachMazeIsOnePage) {
    ASSERT_EQ(play(threeMazesWithoutAnswers), "");
    ASSERT_EQ(pages().size(), 3u);
    for (const Picture& page : pages()) EXPECT_TRUE(showsMaze(page));
    EXPECT_NE(pages()[0], pages()[1]);
    EXPECT_NE(pages()[1], pages()[2]);
    EXPECT_EQ(printer.progressAtPrint,
              (std::vector<std::string>{" 3 mazes left to print out of  3",
                                        " 2 mazes left to print out of  3 - last page printed to headless page 1",
                                        " 1 mazes left to print out of  3 - last page printed to headless page 2"}));
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.mazesprinted, 3);
    EXPECT_EQ(form.programmode, 2) << "the next maze is placed and waits for the user";
    EXPECT_FALSE(form.ui.menu("printing").visible);
    EXPECT_TRUE(form.ui.menu("printnosolutions").checked) << "a run ended by its count keeps its tick";
    EXPECT_TRUE(form.ui.menu("printnosolutions").enabled);
}

// Two mazes with answers: maze, answer, maze, answer. The answer page is the
// maze page with the solution trail drawn on it.
TEST_F(PrintRun, WithAnswersEachMazeIsFollowedByItsAnswer) {
    ASSERT_EQ(play(R"s(
menu "Print-Options" "print mazes(with answers)"
passes 2
type "2"
key Enter
menu "Maze Options" "New maze "
passes 60000
)s"), "");
    ASSERT_EQ(pages().size(), 4u);
    for (std::size_t maze : {0u, 2u}) {
        SCOPED_TRACE(maze);
        const Picture& question = pages()[maze];
        const Picture& answer = pages()[maze + 1];
        EXPECT_EQ(question.at(11, 11), startColour);
        EXPECT_NE(std::find(question.pixels.begin(), question.pixels.end(), finishColour), question.pixels.end());
        long trail = 0;
        for (std::size_t i = 0; i < answer.pixels.size(); ++i) {
            if (answer.pixels[i] == question.pixels[i]) continue;
            EXPECT_EQ(answer.pixels[i], startColour) << "only the trail differs";
            ++trail;
        }
        EXPECT_GT(trail, 60);
    }
    EXPECT_NE(pages()[0], pages()[2]);
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.mazesprinted, 2);
    EXPECT_EQ(form.programmode, 2);
}

// Stopped after its first page, the run prints no more: the maze being made is
// placed and waits.
TEST_F(PrintRun, StopAllPrintingsMidRun) {
    ASSERT_EQ(play(firstMazePlaced + R"s(
menu "Print-Options" "print mazes(without answers)"
passes 2
type "5"
key Enter
passes 3
expect-pages 1
expect-mode 1
menu "Print-Options" "stop all printings"
passes 60000
)s"), "");
    EXPECT_EQ(pages().size(), 1u);
    EXPECT_EQ(form.programmode, 2);
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.mazestoprint, 0);
    EXPECT_TRUE(form.ui.menu("printwithsolutions").enabled);
    EXPECT_FALSE(form.ui.menu("printnosolutions").checked);
}

// A printer that fails holds no run up: the run goes through its mazes, ends by
// its count and then tells how many pages failed, once.
TEST_F(PrintRun, AFailingPrinterIsToldOnceWhenTheRunEnds) {
    printer.setPrinterFails(true);
    ASSERT_EQ(play(threeMazesWithoutAnswers), "");
    EXPECT_EQ(printer.messages(),
              std::vector<std::string>{"Error: 3 pages of the print run could not be printed."});
    ASSERT_EQ(printer.progressAtPrint.size(), 3u);
    EXPECT_EQ(printer.progressAtPrint[2],
              " 1 mazes left to print out of  3 - last page printed to nowhere (printing failed)");
    EXPECT_EQ(form.mazesprinted, 3);
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.programmode, 2);
}

// "Quit to Main Menu" ends a run as its count does: the title visit tells its
// failed pages, once, and the next run starts with none.
TEST_F(PrintRun, FailedPagesAreToldWhenAQuitEndsTheRun) {
    printer.setPrinterFails(true);
    ASSERT_EQ(play(firstMazePlaced + R"s(
menu "Print-Options" "print mazes(without answers)"
passes 2
type "5"
key Enter
passes 3
expect-mode 1
menu "Options" "Quit to Main Menu"
passes 20
expect-mode -5
expect-message "Error: 1 page of the print run could not be printed."
button "Click to Begin"
passes 20
)s"), "");
    EXPECT_EQ(printer.messages(),
              std::vector<std::string>{"Error: 1 page of the print run could not be printed."});
    EXPECT_EQ(printer.progressAtPrint.size(), 1u);
    EXPECT_EQ(form.printmode, 0);
    EXPECT_EQ(form.printfailures, 0);
}

// Stopped, a run tells its failed pages at once; outside a run each failed
// print of the window is told.
TEST_F(FrameTest, FailedPagesAreToldWhenTheRunIsStoppedAndOutsideARun) {
    platform.setPrinterFails(true);
    form.printmode = 2;
    form.mazestoprint = 4;
    form.menuHandlers.at("print")();
    EXPECT_TRUE(platform.messages().empty());
    form.menuHandlers.at("stopallprintings")();
    form.menuHandlers.at("print")();
    EXPECT_EQ(platform.messages(), (std::vector<std::string>{"Error: 1 page of the print run could not be printed.",
                                                             "Error: can't print the window."}));
}

// Kept as the run works: a negative count started while placing prints the
// maze on the window once, and "print the window" during a run adds a page
// that does not count.
TEST_F(PrintRun, NegativeCountAndExtraPages) {
    ASSERT_EQ(play(firstMazePlaced + R"s(
menu "Print-Options" "print mazes(without answers)"
passes 2
type "-1"
key Enter
passes 60000
expect-pages 1
expect-mode 2
menu "Print-Options" "print mazes(without answers)"
passes 2
type "2"
key Enter
passes 3
expect-pages 2
menu "Print-Options" "print the window"
passes 60000
expect-pages 4
)s"), "");
    EXPECT_EQ(form.mazesprinted, 2);
}

// The page is the window as it shows, the screen layer included; outside a run
// the caption says where it went, one note at a time.
TEST_F(FrameTest, PrintTheWindowPrintsWhatTheWindowShows) {
    form.ui.setWindowCaption("Stage");
    form.canvas.setScreenOnly(false);
    form.canvas.fillBox(0, 0, 799, 599, 0xFFFFFF);
    form.canvas.fillBox(10, 10, 19, 19, 0x0000FF);
    form.canvas.setScreenOnly(true);
    form.canvas.fillBox(30, 30, 39, 39, 0xFF0000);
    form.menuHandlers.at("print")();
    form.menuHandlers.at("print")();
    ASSERT_EQ(platform.printedPages().size(), 2u);
    const Picture& page = platform.printedPages()[0];
    EXPECT_EQ(page.width, 800);
    EXPECT_EQ(page.height, 600);
    EXPECT_EQ(page.at(15, 15), 0x0000FFu);
    EXPECT_EQ(page.at(35, 35), 0xFF0000u);
    EXPECT_EQ(page.at(50, 50), 0xFFFFFFu);
    EXPECT_EQ(form.ui.window().caption, "Stage - page printed to headless page 2");
    EXPECT_TRUE(platform.messages().empty());
}

}  // namespace
}  // namespace tarnwick::test
