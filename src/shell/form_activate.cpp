// Start-up and the main loop: the title wait and the four stages, one after the
// other, each chosen by the mode its worker returned with.
#include <cmath>

#include "core/colours.h"
#include "files/example_pictures.h"
#include "platform/plain_file.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::Form_Activate() {
    startup();
    LoopStage stage = LoopStage::Title;
    for (;;) {
        switch (stage) {
            case LoopStage::Title: stage = titlestage(); break;
            case LoopStage::Drawing: stage = drawingstage(); break;
            case LoopStage::Maze: stage = mazestage(); break;
            case LoopStage::Placing: stage = placingstage(); break;
            case LoopStage::Solve: stage = solvestagehandover(); break;
        }
    }
}

void Form57::seedfromclock() { random.seed(static_cast<std::uint64_t>(std::llround(platform.clock() * 1000.0))); }

void Form57::startup() {
    // A run killed while it wrote left its temporaries beside the files it writes.
    removeLeftoverTemporaries(".");
    seedfromclock();
    opencolors.set(17, noPixelColour);
    panelflagsrestore();
    // The window shows the title art at start; that image becomes "title.bmp".
    canvas.setBackPicture(titlePicture(canvas.width(), canvas.height()));
    savesnapshot("title.bmp");
    const char* builtinNames[] = {"temple.bmp", "space-station.bmp", "diamond.bmp", "christmas-tree.bmp"};
    for (int example = 1; example <= 4; ++example)
        savepicturefile(builtinPicture(example), builtinNames[example - 1]);
}

void Form57::waitwhilepaused() {
    while (paused == 1) {
        commandtaken = 0;
        waitEvents();
    }
}

}  // namespace tarnwick
