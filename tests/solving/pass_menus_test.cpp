#include "solving/solving_fixture.h"

namespace tarnwick::test {
namespace {

class SolverPassMenus : public SolvingTest {};

// The walk keeps its menu states without applying them every pass: whatever
// moved them in between, a change of the menus or of the settings they follow,
// the next pass shows them as the solve stage wants them again.
TEST_F(SolverPassMenus, ComeBackAfterEveryChangeDuringTheWalk) {
    paintMaze(twisty, 10);
    form.difficultylevel = 4;
    std::vector<std::string> wrong;
    std::uint64_t changed = 0;
    platform.setPassBudget(200'000);
    platform.setFeeder([&](HeadlessPlatform& p) {
        const Ui& ui = form.ui;
        if (changed != 0 && p.passes() == changed + 2) {
            if (!ui.menu("keysanswer").enabled || ui.menu("keysmaze").enabled) wrong.push_back("key help");
            if (!ui.menu(form.difficultylevel == 4 ? "mode4" : "mode2").checked) wrong.push_back("level tick");
            if (ui.menu("mode4").checked && ui.menu("mode2").checked) wrong.push_back("two level ticks");
        }
        switch (p.passes()) {
            case 20: form.ui.setEnabled("keysanswer", false), changed = 20; break;
            case 40: form.ui.setEnabled("keysmaze", true), changed = 40; break;
            case 60: form.difficultylevel = 2, changed = 60; break;
            case 80: form.ui.setChecked("mode4", true), changed = 80; break;
            default: break;
        }
        if (form.programmode == 4) form.programmode = 0;
    });
    form.solvestage();
    platform.setFeeder({});
    EXPECT_GT(platform.passes(), 82u) << "the walk ended before every change was made";
    EXPECT_TRUE(wrong.empty()) << ::testing::PrintToString(wrong);
}

}  // namespace
}  // namespace tarnwick::test
