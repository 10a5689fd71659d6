#include "solving.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/headless/headless_platform.h"
#include "platform/headless/script.h"
#include "platform/headless/script_runner.h"
#include "qt_offscreen.h"
#include "shell/form57.h"
#include "support/headless_work_dir.h"

namespace tarnwick::bench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Scripts that take the program from its start to the placing stage of a new maze.
const std::string leaveTheTitle = "passes 3\nbutton \"Click to Begin\"\npasses 5\n";

// The first "New maze " brings the example's settings; a regular maze is then
// made by "New maze " in a regular drawing, else by the Create command.
std::string exampleMaze(const char* item, bool ownKind) {
    return leaveTheTitle + "menu \"Maze Picture\" \"" + item + "\"\npasses 5\nmenu \"Maze Options\" \"New maze \"\n" +
           "passes 20\n" +
           (ownKind ? "menu \"Maze Options\" \"New maze \"\n"
                    : "menu \"Options\" \"Create regular 2-d mazes inside drawing\"\n") +
           "until-mode 2 20000000\npasses 3\n";
}

// "open.bmp", black, imported as the drawing: every cell of the window is open.
std::string openDrawingMaze(const char* wallSize) {
    return leaveTheTitle + "menu \"Options\" \"Import Bitmap\"\ntype \"open\"\nkey Enter\npasses 2\n" +
           "menu \"Options\" \"Change wall size\"\ntype \"" + wallSize + "\"\nkey Enter\npasses 2\n" +
           "menu \"Maze Settings\" \"Maze creation\" \"(2)-Computer creates maze\"\npasses 1\n" +
           "menu \"Maze Options\" \"New maze \"\nuntil-mode 2 20000000\npasses 3\n";
}

// The program as its placing stage shows a new maze: the fields and the picture.
struct MadeMaze {
    State state;
    Picture picture;
};

std::optional<MadeMaze> makeMaze(const std::string& script) {
    HeadlessPlatform platform(800, 600);
    platform.setPassBudget(30'000'000);
    Form57 form(platform);
    platform.savePicture(Picture(800, 600, 0x000000), "open.bmp");
    const auto failures = playScript(parseScript(script).steps, platform, form, [&] { form.run(); });
    if (!failures.empty() || form.programmode != 2) return std::nullopt;
    return MadeMaze{form, form.canvas.image()};
}

// Hands the platform's events through and counts the passes. The solved maze
// waits for the user's next command: it is left at once, as by "Go back to
// Drawing", and so is a walk that has used up its passes.
class SolveWatch : public Platform {
public:
    SolveWatch(Platform& inner, std::uint64_t passBudget) : inner_(inner), budget_(passBudget) {}

    void watch(State& state) {
        state_ = &state;
        passes = 0;
        solved = false;
    }
    std::uint64_t passes = 0;
    bool solved = false;

    void attach(Canvas& canvas, Ui& ui, EventSink& sink) override { inner_.attach(canvas, ui, sink); }
    void processEvents() override {
        inner_.processEvents();
        if (state_ && ++passes >= budget_) state_->programmode = 0;
    }
    void waitForEvents() override {
        if (state_ && state_->programmode == 4) {
            solved = true;
            state_->programmode = 0;
            return;
        }
        inner_.waitForEvents();
    }
    bool endRequested() const override { return inner_.endRequested(); }
    void requestEnd() override { inner_.requestEnd(); }
    void messageBox(const std::string& text) override { inner_.messageBox(text); }
    PrintResult printPage(const Picture& page) override { return inner_.printPage(page); }
    bool savePicture(const Picture& picture, const std::string& fileName) override {
        return inner_.savePicture(picture, fileName);
    }
    std::optional<Picture> loadPicture(const std::string& fileName) override { return inner_.loadPicture(fileName); }
    std::vector<std::string> listFiles(const std::string& filter) override { return inner_.listFiles(filter); }
    double clock() override { return inner_.clock(); }

private:
    Platform& inner_;
    std::uint64_t budget_;
    State* state_ = nullptr;
};

struct Figures {
    std::uint64_t passes = 0;
    double seconds = 0;
    bool solved = false;
};

// The main loop's solve stage on the made maze: set-up, walk, solved maze.
Figures solve(Platform& platform, const MadeMaze& maze, std::uint64_t passBudget) {
    SolveWatch watch(platform, passBudget);
    Form57 form(watch);
    // The real window hands its surface's size to the canvas in its first passes.
    for (int i = 0; i < 10; ++i) form.doEvents();
    static_cast<State&>(form) = maze.state;
    form.canvas.paintPicture(maze.picture, 0, 0);
    form.programmode = 3;
    watch.watch(form);
    const Clock::time_point start = Clock::now();
    form.solvestage();
    return {watch.passes, std::chrono::duration<double>(Clock::now() - start).count(), watch.solved};
}

Figures solveHeadless(const MadeMaze& maze, std::uint64_t passBudget) {
    HeadlessPlatform platform(800, 600);
    platform.setPassBudget(passBudget + 100);
    return solve(platform, maze, passBudget);
}

Figures solveInWindow(const MadeMaze& maze, std::uint64_t passBudget) {
    Figures figures;
    withQtWindow([&](Platform& platform) { figures = solve(platform, maze, passBudget); });
    return figures;
}

void print(const std::string& name, const Figures& f, const char* note = "") {
    std::printf("%-36s %10llu passes %8.3f s %12.0f passes/s%s%s\n", name.c_str(),
                static_cast<unsigned long long>(f.passes), f.seconds, f.passes / f.seconds,
                f.solved ? "" : "  (not solved)", note);
    std::fflush(stdout);
}

}  // namespace

double solvingRate(std::uint64_t passBudget) {
    struct Case {
        const char* name;
        std::string script;
        bool inWindow;
    };
    const Case cases[] = {
        {"solving/temple", exampleMaze("temple.maze", true), true},
        {"solving/space-station-regular", exampleMaze("space-station.maze", false), false},
        {"solving/diamond-regular", exampleMaze("Diamond.maze", false), false},
        {"solving/christmas-tree-regular", exampleMaze("Christmas-tree.maze", false), false},
        {"solving/open-wall-10", openDrawingMaze("10"), true},
        {"solving/open-wall-5", openDrawingMaze("5"), false},
    };
    const fs::path data = fs::path(__FILE__).parent_path().parent_path() / "data";
    std::uint64_t passes = 0;
    double seconds = 0;
    for (const Case& c : cases) {
        test::TempWorkDir dir;
        for (const auto& file : fs::directory_iterator(data)) fs::copy_file(file.path(), file.path().filename());
        const std::optional<MadeMaze> maze = makeMaze(c.script);
        if (!maze) {
            std::printf("%-36s (maze not made)\n", c.name);
            continue;
        }
        const Figures headless = solveHeadless(*maze, passBudget);
        print(c.name, headless);
        if (headless.solved) passes += headless.passes, seconds += headless.seconds;
        if (!c.inWindow) continue;
        const Figures window = solveInWindow(*maze, passBudget);
        char ratio[48];
        std::snprintf(ratio, sizeof ratio, "  (%.2f times headless)", window.seconds / headless.seconds);
        print(std::string(c.name) + "/qt-offscreen", window, ratio);
    }
    return seconds > 0 ? passes / seconds : 0;
}

}  // namespace tarnwick::bench
