#include "core/colours.h"
#include "frame_fixture.h"

namespace tarnwick::test {
namespace {

// Stand-in workers lead to the stage of the test's mode, where the user changes
// every setting and then chooses "Quit to Main Menu"; the stage worker polls
// events until it sees -6, as every worker does. Back on the title the defaults
// are in force, and "Click to Begin" starts the drawing stage with them.
class QuitToMainMenu : public FrameTest, public ::testing::WithParamInterface<long> {
protected:
    void changeEverything() {
        Form57& f = form;
        f.difficultylevel = 6;
        f.pathsize = 2;
        f.playoption = 2;
        f.notrail = 1;
        f.creationmode = 1;
        f.nodrawing = 1;
        f.symmetrymode = 3;
        f.printmode = 1;
        f.endpointoption = 2;
        f.filloption = 1;
        f.maxrandomsize = 9;
        f.randomanysize = 1;
        f.randompatternmode = 5;
        f.patternstate = 3;
        f.mazekind = 2;
        f.startcolor = 0x008000;
        f.cellx1 = f.startx1 = f.finishx1 = 77;
        f.passagecolors.set(2, 0x123456);
        f.ui.setControlValue("Check3", 0);
        f.ui.setControlValue("Check12", 1);
        f.tickgroup({"aon", "aoff"}, 0);
        f.autominimizeon = 1;
        f.tickgroup({"mode1", "mode2", "mode3", "mode4", "mode5", "mode6"}, 5);
        f.tickgroup({"gofinish", "stopfinish"}, 1);
        for (const char* item : {"importdrawing", "ndrawing", "changewallsize", "choosew", "createreg"})
            f.ui.setEnabled(item, false);
        writeBytes("3dLeft.pt", "3\r\n3\r\n9999,88\r\n");
    }

    void expectDefaults(const std::string& where) {
        const Form57& f = form;
        const std::pair<const char*, long> values[] = {
            {"difficultylevel", f.difficultylevel}, {"pathsize", f.pathsize},       {"playoption", f.playoption},
            {"notrail", f.notrail},                 {"nodrawing", f.nodrawing},     {"symmetrymode", f.symmetrymode},
            {"printmode", f.printmode},             {"endpointoption", f.endpointoption},
            {"filloption", f.filloption},           {"maxrandomsize", f.maxrandomsize},
            {"randomanysize", f.randomanysize},     {"randompatternmode", f.randompatternmode},
            {"patternstate", f.patternstate},       {"autominimizeon", f.autominimizeon},
            {"startcolor", f.startcolor},           {"finishx1", f.finishx1}};
        const long expected[] = {4, 1, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0xFF00FF, 0};
        for (std::size_t i = 0; i < std::size(values); ++i)
            EXPECT_EQ(values[i].second, expected[i]) << where << ": " << values[i].first;
        for (int k = 1; k <= 16; ++k) {
            EXPECT_EQ(f.ui.control("Check" + std::to_string(k)).value, k <= 8 ? 1 : 0) << where << ": class " << k;
            EXPECT_EQ(f.passagecolors[k], f.palette[16]) << where << ": passage colour " << k;
        }
        expectStates(f.ui,
                     {{"mode4", "T"}, {"mode6", "U"}, {"aoff", "T"}, {"aon", "U"}, {"ugenerate", "T"},
                      {"cgenerate", "U"}, {"playmodeoff", "T"}, {"leavetrail", "T"}, {"pnormal", "T"},
                      {"usepattern", "T"}, {"crnd1", "U"}, {"maxrnd", "T"}, {"gofinish", "T"}, {"stopfinish", "U"}},
                     where);
    }
};

TEST_P(QuitToMainMenu, ReturnsToTheTitleWithTheDefaults) {
    const long stage = GetParam();
    bool inStage = false, quitSent = false, secondDrawing = false;
    auto worker = [&](long mode, long next) {
        return [&, mode, next] {
            if (mode == 0 && quitSent) {  // the drawing stage after the second "Click to Begin"
                secondDrawing = true;
                platform.requestEnd();
                form.doEvents();
            }
            if (mode != stage) {
                form.programmode = next;
                return;
            }
            changeEverything();
            inStage = true;
            while (form.programmode != -6) {
                form.commandtaken = 0;
                form.doEvents();
            }
        };
    };
    form.workers = {worker(0, 1), worker(1, 2), worker(2, 3), worker(3, 0)};
    bool titleChecked = false;
    runPasses([&](std::uint64_t pass) {
        if (pass == 2) platform.pushButton("Command2");
        if (inStage && !quitSent) {
            platform.pushMenu("quit2");
            quitSent = true;
        } else if (quitSent && !titleChecked && form.programmode == -5) {
            EXPECT_EQ(form.ui.window().caption, "The Quillary Tarnwick-by Ivo Pellik");
            EXPECT_TRUE(form.ui.control("Command2").visible);
            EXPECT_FALSE(form.ui.menu("drawingt").visible);
            EXPECT_EQ(form.creationmode, 1) << "the title visit sets the creation ticks only";
            EXPECT_EQ(fileBytes("3dLeft.pt"), "1,9999,88\r\n") << "the current kind's patterns are reset";
            expectDefaults("title");
            titleChecked = true;
            platform.pushButton("Command2");
        }
        return pass < 400;
    });
    EXPECT_TRUE(platform.refusals().empty()) << platform.refusals().front();
    ASSERT_TRUE(titleChecked);
    ASSERT_TRUE(secondDrawing);
    expectDefaults("drawing stage");
    EXPECT_EQ(form.creationmode, -1);
    EXPECT_EQ(form.mazekind, 0);
    EXPECT_EQ(form.wallsizex, 10);
    expectStates(form.ui,
                 {{"importdrawing", "E"}, {"ndrawing", "E"}, {"sdrawing", "E"}, {"ldrawing", "E"}, {"choosew", "E"},
                  {"selectcolor", "E"}, {"createreg", "E"}, {"create3d", "E"}, {"create3dpipe", "EH"},
                  {"quit2", "E"}},
                 "drawing stage");
}

std::string stageName(const ::testing::TestParamInfo<long>& info) {
    static const char* const names[] = {"Drawing", "Making", "Placing", "Solving"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(FromEachStage, QuitToMainMenu, ::testing::Values(0L, 1L, 2L, 3L), stageName);

}  // namespace
}  // namespace tarnwick::test
