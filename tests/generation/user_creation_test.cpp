// A maze the user is to carve waits for the user: no key, no passage, however
// many sweeps the completion scan makes, in every maze kind and wall size. The
// first arrow carves, and J hands the rest to the computer, which finishes.
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

constexpr int keyRight = 39, keyJ = 74;

struct UserCase {
    const char* name;
    long mazekind;  // 0 regular, 1 3d-pipe, 2 3d
    long wall;
};
void PrintTo(const UserCase& c, std::ostream* os) { *os << c.name; }

class UserCreation : public MakingTest, public ::testing::WithParamInterface<UserCase> {
protected:
    UserCreation() : MakingTest(200, 160) {}

    // A block whose start sits in its top-left corner, on the drawing's edge.
    void drawBlock() {
        const UserCase& c = GetParam();
        paintDrawing({"S....",
                      ".....",
                      ".....",
                      ".....",
                      "....F"},
                     c.wall);
        form.mazekind = c.mazekind;
        form.gridstepx = form.gridstepy = c.mazekind == 1 ? 2 * wall : wall;
        form.scanx = form.wallsizex + 1 - form.gridstepx;
        form.scany = form.wallsizey + 1 - form.gridstepy;
        form.creationmode = -1;
    }

    bool anyCarved() const {
        for (long row = 0; row < 5; ++row)
            for (long col = 0; col < 5; ++col)
                if (carved({col, row})) return true;
        return false;
    }

    // Passes for one whole sweep of the completion scan over the surface.
    long sweep() const { return (200 / form.gridstepx + 2) * (160 / form.gridstepy + 2); }
};

TEST_P(UserCreation, WaitsForTheFirstKey) {
    drawBlock();
    EXPECT_FALSE(makeMaze(20 * sweep())) << "making ended with no key pressed";
    EXPECT_EQ(form.programmode, 1);
    EXPECT_FALSE(anyCarved());
    EXPECT_EQ(pixel(box({0, 0}).x1, box({0, 0}).y1), form.palette[1] + 3) << "the cursor shows at the start";
}

TEST_P(UserCreation, CarvesByTheKeysThenTheComputerFinishes) {
    drawBlock();
    const std::uint64_t first = platform.passes();
    const long later = 20 * sweep();
    platform.setFeeder([&](HeadlessPlatform& p) {
        const std::uint64_t pass = p.passes() - first;
        if (pass == 10) p.pushKey(keyRight);
        if (pass == static_cast<std::uint64_t>(later)) {
            // The step was carved, the cursor stands on the cell it went to, and
            // the maze still waits for more.
            const CellRect to = box({GetParam().mazekind == 1 ? 2 : 1, 0});
            EXPECT_TRUE(carved({0, 0}));
            EXPECT_EQ(pixel(to.x1, to.y1), form.palette[1] + 3);
            EXPECT_EQ(form.programmode, 1);
            p.pushKey(keyJ);
        }
    });
    ASSERT_TRUE(makeMaze(400'000)) << "the computer did not finish";
    EXPECT_EQ(form.programmode, 2);
    EXPECT_GE(platform.passes() - first, static_cast<std::uint64_t>(later));
    for (const auto& cell : std::vector<LatticeCell>{{0, 0}, {2, 2}, {4, 0}, {0, 4}}) EXPECT_TRUE(carved(cell));
}

INSTANTIATE_TEST_SUITE_P(KindsAndWallSizes, UserCreation,
                         ::testing::Values(UserCase{"Regular10", 0, 10}, UserCase{"Regular20", 0, 20},
                                           UserCase{"Pipe10", 1, 10}, UserCase{"Pipe20", 1, 20},
                                           UserCase{"Maze3d10", 2, 10}, UserCase{"Maze3d20", 2, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnwick::test
