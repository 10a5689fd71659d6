#include <string>

#include "files/name_rule.h"
#include "files/pattern_sections.h"
#include "files/settings_record.h"
#include "platform/plain_file.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::savedrawing(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    if (keyCode == 13) savedrawingfiles(typeddrawingname("savebox"));
    // The whole restore, "Import Bitmap" included, so that it can be used right after a save.
    closedrawingpanel("savelabel", "savebox", "savelist");
}

// The mazefile and its picture are written under temporary names, brought to
// the disk and renamed only when both are complete, so a failed save never
// spoils an earlier pair: when the second rename fails the first picture goes
// back. Names of the program's own files are refused, since it would overwrite
// them, and so is a pair the user may not write.
void Form57::savedrawingfiles(const std::string& name) {
    files.close(1);
    files.close(2);
    const std::string mazefile = name + ".maze";
    const std::string picture = name + ".bmp";
    if (!isPlainFileName(name) || isReservedName(name) || !mayReplace(mazefile) || !mayReplace(picture)) {
        platform.messageBox("Error: bad file name.");
        return;
    }
    FileHandle mazelock;
    const std::string mazetemp = files.openTemporary(2, mazefile, mazelock);
    if (mazetemp.empty()) {
        platform.messageBox("Error: bad file name.");
        return;
    }
    bool written = files.writeLine(2, settingsRecordValues(*this));
    for (int k = 1; k <= sectionCount; ++k)
        written = writePatternSection(files, 1, sectionPatternFile(k), 2, direction) && written;
    written = files.close(2) && written;
    // An empty owner-only file of its own that the picture's writer replaces,
    // so that the picture is as private as that until it is ready. Each is
    // held locked, as a temporary is while it is written.
    std::string picturetemp;
    FileHandle picturelock = written ? createTemporaryBeside(picture, picturetemp) : FileHandle{};
    written = written && picturelock && platform.savePicture(canvas.image(), picturetemp);
    picturelock = written ? lockTemporary(picturetemp) : FileHandle{};
    written = written && picturelock && readyToReplace(picturelock.fd(), picture, Flush::Yes);
    std::string kept;
    bool moved = false;
    if (written && keepAside(picture, kept)) {
        if (renameFile(picturetemp, picture)) {
            moved = renameFile(mazetemp, mazefile);
            if (!moved) putBack(picture, kept);
        } else if (!kept.empty()) {
            putBack(picture, kept);
        }
        if (moved && !kept.empty()) removeFile(kept);
    }
    if (!moved) {
        removeFile(mazetemp);
        if (!picturetemp.empty()) removeFile(picturetemp);
        platform.messageBox("Error: bad file name.");
        return;
    }
    ui.refreshFileList("savelist");
    ui.refreshFileList("loadlist");
    canvas.clearScreenLayer();
}

}  // namespace tarnwick
