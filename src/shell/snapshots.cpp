// Pictures the program writes and reads back. Every picture it writes is also
// kept in memory, so a file that cannot be written or read later costs nothing
// but one message.
#include "shell/form57.h"

namespace tarnwick {

void Form57::reportfilefailure(const std::string& fileName) {
    if (snapshots.firstFailure())
        platform.messageBox("Error: can't use the file \"" + fileName +
                            "\" in the current directory. The program goes on with its own copies.");
}

void Form57::savepicturefile(const Picture& picture, const std::string& fileName) {
    const bool written = platform.savePicture(picture, fileName);
    snapshots.keep(fileName, picture, written);
    if (!written) reportfilefailure(fileName);
}

void Form57::savesnapshot(const std::string& fileName) { savepicturefile(canvas.image(), fileName); }

void Form57::savedrawingsnapshots() {
    savesnapshot(snapshot::cleandrawing);
    savesnapshot(snapshot::basepicture);
}

std::optional<Picture> Form57::loadwrittenpicture(const std::string& fileName) {
    // A file whose last write failed may hold an older picture: the copy wins.
    if (!snapshots.fileIsStale(fileName))
        if (auto picture = platform.loadPicture(fileName)) return picture;
    auto copy = snapshots.copy(fileName);
    if (copy) reportfilefailure(fileName);
    return copy;
}

void Form57::paintsnapshot(const std::string& fileName) {
    if (auto picture = loadwrittenpicture(fileName)) canvas.paintPicture(*picture, 0, 0);
}

}  // namespace tarnwick
