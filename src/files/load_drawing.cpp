#include <string>

#include "files/name_rule.h"
#include "files/settings_record.h"
#include "shell/form57.h"
#include "shell/shell_values.h"

namespace tarnwick {

void Form57::loaddrawing(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    bool loaded = false;
    if (keyCode == 13) {
        examplerestore();
        loaded = loaddrawingfiles(typeddrawingname("loadbox"));
    }
    // Also after a load the drawing items come back at once, as after Escape.
    closedrawingpanel("loadlabel", "loadbox", "loadlist");
    if (loaded) canvas.clearScreenLayer();
}

// False, with its message shown, when the mazefile or its picture cannot be read
// or the settings record cannot be used; nothing has changed then.
bool Form57::loaddrawingfiles(const std::string& name) {
    files.close(1);
    if (!isPlainFileName(name) || !files.open(1, name + ".maze", FileMode::Input)) {
        platform.messageBox("Error: can't find file.");
        return false;
    }
    const std::optional<Picture> picture = platform.loadPicture(name + ".bmp");
    if (!picture) {
        files.close(1);
        platform.messageBox("Error: can't find bitmap.");
        return false;
    }
    const std::optional<SettingsRecord> record = readmazefilerecord();
    if (!record) return false;
    canvas.setBackPicture(*picture);
    files.close(2);
    applymazefile(*record, MazefileReader::LoadPanel, 0);
    if (mazekind >= 0 && mazekind <= 2) ui.setWindowCaption(drawingcaption(mazekind));
    afterloadsteps();
    // The loaded picture is the drawing now, not the example's.
    examplepending = 0;
    picturereplaced = 1;
    return true;
}

}  // namespace tarnwick
