#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "pdf_pages.h"
#include "shell/form57.h"
#include "support/headless_work_dir.h"
#include "window_fixture.h"

namespace tarnwick::test {
namespace {

using namespace std::chrono_literals;

const QString titleCaption = QStringLiteral("The Quillary Tarnwick-by Ivo Pellik");

// The whole program in the real window, offscreen, in a directory of its own.
// play() runs it while a user works the window: each step is tried on a timer
// tick inside the program's own event processing until it is done; then the
// window is closed as with its close box, which must end the program cleanly.
class ProgramWindow : public ::testing::Test {
protected:
    struct Step {
        std::string what;
        std::function<bool()> done;
    };

    static Step act(std::string what, std::function<void()> action) {
        return {std::move(what), [action = std::move(action)] {
                    action();
                    return true;
                }};
    }

    void play(const std::vector<Step>& steps) {
        std::size_t next = 0;
        // Only a failing run waits this long; a loaded machine may need many seconds.
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            while (next < steps.size() && steps[next].done()) ++next;
            if (next == steps.size() || std::chrono::steady_clock::now() > deadline) {
                user.stop();
                platform.window().close();
            }
        });
        user.start(5);
        form.run();  // returns only once the close box has ended the program
        if (next < steps.size()) ADD_FAILURE() << "never done: " << steps[next].what;
    }

    QPushButton* button(const QString& caption) {
        for (QPushButton* b : platform.surface().findChildren<QPushButton*>())
            if (b->text() == caption) return b;
        return nullptr;
    }

    // Shown on the surface, also once the window is closed.
    std::vector<QString> shownButtons() {
        std::vector<QString> captions;
        for (QPushButton* b : platform.surface().findChildren<QPushButton*>())
            if (b->isVisibleTo(&platform.surface())) captions.push_back(b->text());
        std::sort(captions.begin(), captions.end());
        return captions;
    }

    // The bar's titles a user can open: shown and enabled.
    std::vector<QString> shownMenuTitles() {
        std::vector<QString> titles;
        for (QAction* a : platform.window().menuBar()->actions())
            if (a->isVisible() && a->isEnabled()) titles.push_back(a->text());
        return titles;
    }

    // Clicks a menu item by its captions from the bar down, as a user can: only
    // through titles and items that are shown and enabled.
    bool clickMenu(const std::vector<QString>& captions) {
        QList<QAction*> actions = platform.window().menuBar()->actions();
        QAction* item = nullptr;
        for (const QString& caption : captions) {
            if (item) {
                if (!item->menu()) return false;
                actions = item->menu()->actions();
            }
            item = nullptr;
            for (QAction* a : actions)
                if (a->text() == caption && a->isVisible() && a->isEnabled()) item = a;
            if (!item) return false;
        }
        item->trigger();
        return true;
    }

    // A key pressed with the window active: it goes to the widget with the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = platform.window().focusWidget();
        QTest::keyClick(focus ? focus : &platform.window(), key, modifiers);
    }

    Step beginDrawing() {
        return {"Click to Begin, then the drawing stage", [this, clicked = false]() mutable {
                    if (!clicked) {
                        QPushButton* begin = button("Click to Begin");
                        if (!begin || !begin->isVisible()) return false;
                        QTest::mouseClick(begin, Qt::LeftButton);
                        clicked = true;
                    }
                    return form.programmode == 0 && !button("Click to Begin")->isVisible();
                }};
    }

    TempWorkDir dir;
    QtPlatform platform{*qApp};
    Form57 form{platform};
};

// The steps below wait for what the window shows; the checks after the run, when
// the window still shows its last state, say what differed.
TEST_F(ProgramWindow, TitleShowsItsCaptionAndButtonsAndNoMenus) {
    const std::vector<QString> titleButtons = {"Click to Begin", "Click to Quit Program",
                                               "Click to see examples and credits"};
    play({{"the title", [&] {
               return platform.window().windowTitle() == titleCaption && shownButtons() == titleButtons &&
                      shownMenuTitles().empty();
           }}});
    EXPECT_EQ(platform.window().windowTitle(), titleCaption);
    EXPECT_EQ(shownButtons(), titleButtons);
    EXPECT_EQ(shownMenuTitles(), std::vector<QString>{});
}

TEST_F(ProgramWindow, ClickToBeginShowsTheDrawingStagesMenus) {
    const std::vector<QString> drawingMenus = {"Options",      "Maze Picture", "Print-Options", "Maze Options",
                                               "Maze Settings", "Patterns",    "Key Help"};
    play({beginDrawing(),
          {"the drawing stage's window",
           [&] { return shownButtons().empty() && shownMenuTitles() == drawingMenus; }}});
    EXPECT_EQ(shownButtons(), std::vector<QString>{});
    EXPECT_EQ(shownMenuTitles(), drawingMenus);
}

TEST_F(ProgramWindow, KeysAndMenuCommandsDrawInTheWindow) {
    // Two magenta cells across, one down, and the red cursor on the last: (8, 8) to (31, 31).
    const Art strokes = {
        "yyyyyyyyyyyyyyyyyyyyyyyy",
        "yyyyyyyyyyyyyyyyyyyyyyyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yymmmmmmmmmmmmmmmmmmmmyy",
        "yyyyyyyyyyyyrrrrrrrrrryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrmmmmmmmmryy",
        "yyyyyyyyyyyyrrrrrrrrrryy",
        "yyyyyyyyyyyyyyyyyyyyyyyy",
        "yyyyyyyyyyyyyyyyyyyyyyyy",
    };
    play({beginDrawing(),
          {"New Tarnwick Drawing, regular 2-d mazes",
           [this] { return clickMenu({"Options", "New Tarnwick Drawing", "regular 2-d mazes"}); }},
          {"the drawing caption",
           [this] {
               return platform.window().windowTitle() ==
                      "The Quillary Tarnwick-(drawing picture for 'Regular mazes')";
           }},
          // A stroke made in the pass that lays out a new lattice is not painted:
          // the keys wait for a pass on the new drawing's lattice.
          {"a pass on the new lattice", [this] { return form.gridchanged == 0; }},
          act("Z", [this] { press(Qt::Key_Z); }),
          // Painted with: a whole pass has run on the new pen before the next key.
          {"the pen walked to magenta", [this] { return form.pencolor == 0xFF00FF && form.lastpaintpen == 0xFF00FF; }},
          act("keypad right with NumLock off", [this] { press(Qt::Key_Right, Qt::KeypadModifier); }),
          {"the stroke right", [this] { return form.canvas.point(25, 15) == 0xFF00FF; }},
          act("keypad down with NumLock off", [this] { press(Qt::Key_Down, Qt::KeypadModifier); }),
          {"the stroke down", [this] { return form.canvas.point(25, 25) == 0xFF00FF; }},
          // A frame is due within a sixtieth of a second.
          {"the strokes and the cursor shown", [&] { return shownArt(platform, 8, 8, 24, 24) == strokes; }}});
    EXPECT_EQ(shownArt(platform, 8, 8, 24, 24), strokes);
}

// A print run as a user makes it: the count box has the focus as the panel
// opens, so typing the count and Enter start the run; with no printer each maze
// comes out as a PDF file of one page beside the drawings.
TEST_F(ProgramWindow, PrintRunWithoutAPrinterWritesAPdfPageForEachMaze) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer would print";
    auto pdfs = [] { return QDir::current().entryList({QStringLiteral("tarnwick-print-*.pdf")}, QDir::Files); };
    // One key a pass: the next is pressed once the program has run on a while.
    auto key = [this](const char* what, Qt::Key k) {
        return Step{what, [this, k, ticks = 0]() mutable {
                        if (ticks++ == 0) press(k);
                        return ticks > 3;
                    }};
    };
    QString focused;
    play({beginDrawing(),
          {"a new regular drawing",
           [this] { return clickMenu({"Options", "New Tarnwick Drawing", "regular 2-d mazes"}); }},
          key("the open pen", Qt::Key_Period), key("D", Qt::Key_D), key("D", Qt::Key_D), key("D", Qt::Key_D),
          key("S", Qt::Key_S), key("S", Qt::Key_S), key("Down", Qt::Key_Down), key("Right", Qt::Key_Right),
          {"the computer makes the mazes",
           [this] { return clickMenu({"Maze Settings", "Maze creation", "(2)-Computer creates maze"}); }},
          {"the print panel",
           [this] { return clickMenu({"Print-Options", "print mazes(without answers)"}); }},
          {"the count box has the focus",
           [&] {
               auto* box = qobject_cast<QLineEdit*>(platform.window().focusWidget());
               if (!box || !box->isVisible()) return false;
               focused = box->objectName();
               return true;
           }},
          key("2", Qt::Key_2),
          key("Enter", Qt::Key_Return),
          {"the run started", [this] { return form.printmode == 2; }},
          {"New maze ", [this] { return clickMenu({"Maze Options", "New maze "}); }},
          {"two pages and the next maze placed",
           [&] { return pdfs().size() == 2 && form.printmode == 0 && form.programmode == 2; }}});
    EXPECT_EQ(focused, "printcountbox");
    EXPECT_NE(form.canvas.point(14, 14), form.canvas.point(3, 3)) << "the start square on the L drawn";
    EXPECT_EQ(form.mazestoprint, 2);
    ASSERT_EQ(pdfs(), (QStringList{"tarnwick-print-1.pdf", "tarnwick-print-2.pdf"}));
    for (const QString& name : pdfs()) {
        EXPECT_EQ(pdfPageCount(name), 1) << name.toStdString();
        if (!canRenderPdf()) continue;
        // The page shows the window: the yellow drawing area and the magenta start square on it.
        const std::optional<QImage> page = renderPdfPage(name, 1);
        ASSERT_TRUE(page);
        bool yellow = false, magenta = false;
        for (int y = 0; y < page->height(); ++y)
            for (int x = 0; x < page->width(); ++x) {
                const QColor c = page->pixelColor(x, y);
                yellow |= c.red() > 200 && c.green() > 200 && c.blue() < 60;
                magenta |= c.red() > 200 && c.green() < 60 && c.blue() > 200;
            }
        EXPECT_TRUE(yellow && magenta) << name.toStdString();
    }
}

}  // namespace
}  // namespace tarnwick::test
