// A drawing without room for a maze is told what would give it room.
#include "core/colours.h"
#include "core/maze_room.h"
#include "generation/making_fixture.h"

namespace tarnwick::test {
namespace {

class NoRoomMessage : public MakingTest {};

TEST_F(NoRoomMessage, SaysWhatHelps) {
    const struct {
        const char* name;
        Drawing drawing;
        bool anyAreaColour;
        const char* message;
    } cases[] = {
        {"nothing drawn in an area colour", {"GGG", "GRG"}, true, blankDrawingMessage},
        {"no colour ticked as an area", {"S..", "..."}, false, noAreaColourMessage},
        {"one cell, with no neighbour to carve into", {"S", "G"}, true, noRoomMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        standardColours();
        paintDrawing(c.drawing);
        if (!c.anyAreaColour)
            for (int k = 1; k <= 16; ++k) setColourClass(form, k, false);
        const std::size_t told = platform.messages().size();
        EXPECT_FALSE(form.homewithroom());
        EXPECT_EQ(form.programmode, 0);
        ASSERT_EQ(platform.messages().size(), told + 1);
        EXPECT_EQ(platform.lastMessage(), c.message);
    }
}

}  // namespace
}  // namespace tarnwick::test
