// Pictures the program writes and reads back. Every picture it reads back is
// also kept in memory and painted from there, so a file that cannot be written
// costs nothing but one message, and a stage boundary decodes no file.
#include "shell/form57.h"

namespace tarnwick {

void Form57::reportfilefailure(const std::string& fileName) {
    if (snapshots.firstFailure())
        platform.messageBox("Error: can't use the file \"" + fileName +
                            "\" in the current directory. The program goes on with its own copies.");
}

void Form57::writepicturefile(const Picture& picture, const std::string& fileName) {
    if (!platform.savePicture(picture, fileName)) reportfilefailure(fileName);
}

void Form57::savepicturefile(const Picture& picture, const std::string& fileName) {
    writepicturefile(picture, fileName);
    snapshots.keep(fileName, picture);
}

// The store keeps the image it handed out, shared rather than copied.
void Form57::savesnapshot(const std::string& fileName) {
    SnapshotStore::Shared image = snapshots.imageOf(canvas);
    writepicturefile(*image, fileName);
    snapshots.keep(fileName, std::move(image));
}

void Form57::savedrawingsnapshots() {
    savesnapshot(snapshot::cleandrawing);
    savesnapshot(snapshot::basepicture);
}

// The file is read only for a name the program has not written in this run.
std::optional<Picture> Form57::loadwrittenpicture(const std::string& fileName) {
    if (const SnapshotStore::Shared copy = snapshots.copy(fileName)) return *copy;
    return platform.loadPicture(fileName);
}

void Form57::paintsnapshot(const std::string& fileName) {
    if (const SnapshotStore::Shared copy = snapshots.copy(fileName)) return canvas.paintPicture(*copy, 0, 0);
    if (const std::optional<Picture> picture = platform.loadPicture(fileName)) canvas.paintPicture(*picture, 0, 0);
}

}  // namespace tarnwick
