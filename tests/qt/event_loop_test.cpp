#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <QWindow>

#include <optional>
#include <string>
#include <thread>

#include "window_fixture.h"

namespace tarnwick::test {
namespace {

using WindowEvents = WindowTest;
using namespace std::chrono_literals;

TEST_F(WindowEvents, WaitingWakesForATimerTick) {
    ui.addTimer("Timer1");
    ui.setTimerInterval("Timer1", 20);
    ui.setTimerEnabled("Timer1", true);
    platform.processEvents();
    const auto start = std::chrono::steady_clock::now();
    platform.waitForEvents();
    EXPECT_EQ(sink.take(), std::vector<std::string>{"timer Timer1"});
    EXPECT_GE(std::chrono::steady_clock::now() - start, 10ms);
}

// A program that only runs passes still gets the window's input, also after a
// wait has taken the window's events itself.
TEST_F(WindowEvents, InputReachesAProgramThatNeverWaits) {
    auto typeAfterAPump = [this](Qt::Key key) {
        QTimer::singleShot(0, &platform.window(), [this, key] { QTest::keyClick(&platform.surface(), key); });
    };
    auto busyPassesUntilAnEvent = [this] {
        const auto giveUp = std::chrono::steady_clock::now() + 30s;
        std::vector<std::string> events;
        while (events.empty() && std::chrono::steady_clock::now() < giveUp) {
            platform.processEvents();
            events = sink.take();
        }
        return events;
    };
    typeAfterAPump(Qt::Key_A);
    EXPECT_EQ(busyPassesUntilAnEvent(), std::vector<std::string>{"key 65"});
    typeAfterAPump(Qt::Key_B);
    platform.waitForEvents();
    EXPECT_EQ(sink.take(), std::vector<std::string>{"key 66"});
    typeAfterAPump(Qt::Key_C);
    EXPECT_EQ(busyPassesUntilAnEvent(), std::vector<std::string>{"key 67"});
}

TEST_F(WindowEvents, TicksDoNotPileUpWhileTheProgramIsBusy) {
    ui.addTimer("Timer1");
    ui.setTimerInterval("Timer1", 5);
    ui.setTimerEnabled("Timer1", true);
    platform.processEvents();
    for (int i = 0; i < 10; ++i) {
        std::this_thread::sleep_for(6ms);
        QCoreApplication::processEvents();  // Qt sees the ticks, the program does not take them
    }
    platform.processEvents();
    EXPECT_EQ(sink.take(), std::vector<std::string>{"timer Timer1"});
}

TEST_F(WindowEvents, ADisabledTimerIsSilentEvenWithATickWaiting) {
    ui.addTimer("Timer1");
    ui.setTimerInterval("Timer1", 5);
    ui.setTimerEnabled("Timer1", true);
    platform.processEvents();
    std::this_thread::sleep_for(8ms);
    QCoreApplication::processEvents();
    ui.setTimerEnabled("Timer1", false);
    pumpFor(30ms);
    EXPECT_TRUE(sink.take().empty());
}

TEST_F(WindowEvents, ClosingTheWindowEndsTheProgram) {
    EXPECT_FALSE(platform.endRequested());
    QTimer::singleShot(5, &platform.window(), [this] { platform.window().close(); });
    platform.waitForEvents();  // returns for the close although nothing was queued
    EXPECT_TRUE(platform.endRequested());
}

TEST_F(WindowEvents, AMessageBoxHoldsEventsBackUntilTheProgramAsks) {
    QString shownText;
    QTimer::singleShot(10, &platform.window(), [&] {
        QTest::keyClick(&platform.surface(), Qt::Key_A);  // arrives while the box is up
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        EXPECT_EQ(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    platform.messageBox("Error: can't find file.");
    EXPECT_EQ(shownText, "Error: can't find file.");
    EXPECT_TRUE(sink.take().empty()) << "delivered inside the message box";
    platform.processEvents();
    EXPECT_EQ(sink.take(), std::vector<std::string>{"key 65"});
}

TEST_F(WindowEvents, EnterOrEscapeAnswersAMessageBox) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool answered = false;
        QTimer::singleShot(10, &platform.window(), [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, key);
            answered = QApplication::activeModalWidget() == nullptr;
        });
        QTimer::singleShot(500, &platform.window(), [] {  // so a failure cannot hang the test
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        platform.messageBox("Error: bad file name.");
        EXPECT_TRUE(answered) << (key == Qt::Key_Return ? "Enter" : "Escape");
        platform.processEvents();
        EXPECT_TRUE(sink.take().empty()) << "the window saw the key that answered the box";
    }
}

// A box is seen in front of its window: the state the program asked for since
// its last pass is the window's when the box opens, a window left minimized
// comes back as it was (and the program hears of it), and the window is on the screen.
TEST_F(WindowEvents, AMessageBoxOpensOverItsWindowShown) {
    struct Case {
        const char* what;
        WindowState beforeMinimized;
        std::optional<WindowState> askedBeforeTheBox;
        WindowState atTheBox;
    };
    const Case cases[] = {
        {"maximized since the last pass", WindowState::Normal, WindowState::Maximized, WindowState::Maximized},
        {"left minimized", WindowState::Normal, std::nullopt, WindowState::Normal},
        {"left minimized from maximized", WindowState::Maximized, std::nullopt, WindowState::Maximized},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (WindowState state : {c.beforeMinimized, WindowState::Minimized}) {
            ui.setWindowState(state);
            platform.processEvents();
        }
        ASSERT_TRUE(platform.window().isMinimized());
        if (c.askedBeforeTheBox) ui.setWindowState(*c.askedBeforeTheBox);
        bool opened = false, minimized = true, maximized = false, exposed = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            opened = true;
            minimized = platform.window().isMinimized();
            maximized = platform.window().isMaximized();
            exposed = platform.window().windowHandle()->isExposed();
            box->button(QMessageBox::Ok)->click();
        });
        user.start(5);
        QTimer::singleShot(5s, &platform.window(), [] {  // so a failure cannot hang the test
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        platform.messageBox("Solving stopped: the walk from the start goes round without reaching the finish.");
        user.stop();
        ASSERT_TRUE(opened);
        EXPECT_FALSE(minimized) << "the box opened over the minimized window";
        EXPECT_EQ(maximized, c.atTheBox == WindowState::Maximized);
        EXPECT_TRUE(exposed);
        platform.processEvents();
        EXPECT_EQ(ui.window().state, c.atTheBox) << "the program still counts the window minimized";
    }
}

TEST_F(WindowEvents, AHandlerThatTakesEventsItselfKeepsTheirOrder) {
    sink.onEvent = [this](const std::string& event) {
        if (event == "key 65") platform.processEvents();  // a command that runs a loop of its own
    };
    for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C}) QTest::keyClick(&platform.surface(), key);
    platform.processEvents();
    EXPECT_EQ(sink.take(), (std::vector<std::string>{"key 65", "key 66", "key 67"}));
}

TEST_F(WindowEvents, WindowPropertiesFollowTheModel) {
    ui.setWindowCaption("Tarnwick - (drawing)");
    ui.setWindowGeometry(1500, 750, 9000, 6000);
    platform.processEvents();
    EXPECT_EQ(platform.window().windowTitle(), "Tarnwick - (drawing)");
    EXPECT_EQ(platform.window().size(), QSize(600, 400));

    ui.setWindowState(WindowState::Maximized);
    platform.processEvents();
    EXPECT_TRUE(platform.window().isMaximized());
    ui.setWindowState(WindowState::Normal);
    platform.processEvents();
    EXPECT_FALSE(platform.window().isMaximized());
}

// The offscreen platform answers a raise, a focus request or a resize with a
// notice that it cannot; the window needs none of them there, and the notices
// would fill the output of the tests and benchmarks.
TEST_F(WindowEvents, TheOffscreenPlatformsNoticesStayOutOfTheOutput) {
    ::testing::internal::CaptureStderr();
    ui.setWindowGeometry(1500, 750, 9000, 6000);
    ui.bringToFront();
    ui.requestFocus();
    platform.processEvents();
    ui.setWindowState(WindowState::Maximized);
    ui.bringToFront();
    platform.processEvents();
    qWarning("a notice of the test's own");
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("This plugin does not support"), std::string::npos) << printed;
    EXPECT_NE(printed.find("a notice of the test's own"), std::string::npos) << "other notices still go out";
}

TEST_F(WindowEvents, TheUsersStateChangeLetsTheProgramAskAgain) {
    ui.setWindowState(WindowState::Maximized);
    platform.processEvents();
    platform.window().showNormal();  // the user restores the window
    platform.processEvents();
    EXPECT_EQ(ui.window().state, WindowState::Normal);
    ui.setWindowState(WindowState::Maximized);
    platform.processEvents();
    EXPECT_TRUE(platform.window().isMaximized());
}

TEST_F(WindowEvents, ClockIsSecondsSinceMidnight) {
    const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const double now = platform.clock();
    const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    if (after < before) GTEST_SKIP() << "midnight passed";
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
}

}  // namespace
}  // namespace tarnwick::test
