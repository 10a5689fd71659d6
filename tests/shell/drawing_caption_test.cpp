#include "frame_fixture.h"
#include "shell/shell_values.h"

namespace tarnwick::test {
namespace {

struct CaptionCase {
    const char* name;
    long mazekind;
    std::deque<long> modes;  // the workers' answers; the last worker called is the drawing stage
};

class DrawingCaptionTest : public FrameTest, public ::testing::WithParamInterface<CaptionCase> {};

// Every entry of the drawing stage names it by maze kind, whatever caption the
// stage before it left: the title's, the maze making's, placing's or a solved maze's.
TEST_P(DrawingCaptionTest, NamesTheDrawingStage) {
    const CaptionCase& c = GetParam();
    workerModes = c.modes;
    onWorker = [&](const std::string& worker) {
        if (worker == "drawing") form.mazekind = c.mazekind;
        if (worker == "solving") form.ui.setWindowCaption(stagecaption("-(computer has solved maze)"));
    };
    begin();
    ASSERT_FALSE(calls.empty());
    ASSERT_EQ(calls.back().worker, "drawing");
    EXPECT_EQ(calls.back().caption, drawingcaption(c.mazekind));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DrawingCaptionTest,
    ::testing::Values(CaptionCase{"FirstAfterTheTitle", 0, {}},
                      CaptionCase{"BackFromMazeMaking", 2, {1, 0}},
                      CaptionCase{"BackFromPlacing", 1, {1, 2, 0}},
                      CaptionCase{"BackFromASolvedMaze", 0, {1, 2, 3, 0}},
                      CaptionCase{"BackFromASolvedMaze3d", 2, {1, 2, 3, 0}}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
