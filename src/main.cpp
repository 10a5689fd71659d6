#include "platform/large_blocks.h"
#include "platform/plain_file.h"
#include "platform/qt/run_in_window.h"
#include "shell/form57.h"

int main(int argc, char* argv[]) {
    tarnwick::mapLargeBlocksAlone();
    tarnwick::ignoreFileSizeSignal();
    tarnwick::runInWindow(argc, argv, [](tarnwick::Platform& platform) {
        tarnwick::Form57 form(platform);
        form.run();
    });
    return 0;
}
