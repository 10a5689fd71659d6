#include <string>

#include "files/name_rule.h"
#include "files/pattern_sections.h"
#include "files/settings_record.h"
#include "platform/plain_file.h"
#include "platform/save_journal.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::savedrawing(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    if (keyCode == 13) savedrawingfiles(typeddrawingname("savebox"));
    // The whole restore, "Import Bitmap" included, so that it can be used right after a save.
    closedrawingpanel("savelabel", "savebox", "savelist");
}

// The mazefile and its picture are written under temporary names, brought to
// the disk and put in place together only when both are complete, so a failed
// or killed save never spoils an earlier pair (see replaceTogether). Names of
// the program's own files are refused, since it would overwrite them, and so
// is a pair the user may not write.
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
    // An owner-only file of its own, locked from its making to its end, that
    // the picture's writer writes in place.
    std::string picturetemp;
    const FileHandle picturelock = written ? createTemporaryBeside(picture, picturetemp) : FileHandle{};
    written = written && picturelock && platform.savePicture(canvas.image(), picturetemp);
    written = written && readyToReplace(picturelock.fd(), picture, Flush::Yes);
    if (!written) {
        removeFile(mazetemp);
        if (!picturetemp.empty()) removeFile(picturetemp);
    }
    if (!written || !replaceTogether({{picturetemp, picture}, {mazetemp, mazefile}})) {
        platform.messageBox("Error: bad file name.");
        return;
    }
    ui.refreshFileList("savelist");
    ui.refreshFileList("loadlist");
    canvas.clearScreenLayer();
}

}  // namespace tarnwick
