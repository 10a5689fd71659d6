#include <filesystem>
#include <string>
#include <system_error>

#include "files/name_rule.h"
#include "files/pattern_sections.h"
#include "files/settings_record.h"
#include "shell/form57.h"

namespace tarnwick {

namespace {

bool renameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

void removeFile(const std::string& name) {
    std::error_code error;
    std::filesystem::remove(name, error);
}

}  // namespace

void Form57::savedrawing(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    if (keyCode == 13) savedrawingfiles(typeddrawingname("savebox"));
    // The whole restore, "Import Bitmap" included, so that it can be used right after a save.
    closedrawingpanel("savelabel", "savebox", "savelist");
}

// The mazefile and its picture are written under temporary names and renamed
// only when both are complete, so a failed save never spoils an earlier pair.
void Form57::savedrawingfiles(const std::string& name) {
    files.close(1);
    files.close(2);
    if (!isPlainFileName(name)) {
        platform.messageBox("Error: bad file name.");
        return;
    }
    const std::string mazefile = name + ".maze";
    const std::string picture = name + ".bmp";
    const std::string mazetemp = mazefile + ".saving";
    const std::string picturetemp = picture + ".saving";
    if (!files.open(2, mazetemp, FileMode::Output)) {
        platform.messageBox("Error: bad file name.");
        return;
    }
    bool written = files.writeLine(2, settingsRecordValues(*this));
    for (int k = 1; k <= sectionCount; ++k)
        written = writePatternSection(files, 1, sectionPatternFile(k), 2, direction) && written;
    files.close(2);
    written = written && platform.savePicture(canvas.image(), picturetemp);
    written = written && renameFile(picturetemp, picture) && renameFile(mazetemp, mazefile);
    if (!written) {
        removeFile(mazetemp);
        removeFile(picturetemp);
        platform.messageBox("Error: bad file name.");
        return;
    }
    ui.refreshFileList("savelist");
    ui.refreshFileList("loadlist");
    canvas.clearScreenLayer();
}

}  // namespace tarnwick
