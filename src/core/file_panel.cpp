#include "core/file_panel.h"

namespace tarnwick {

void showFilePanel(Ui& ui, const FilePanel& panel, std::string_view filter) {
    ui.setControlText(panel.box, "");
    ui.setFileListFilter(panel.list, filter);
    ui.refreshFileList(panel.list);
    for (std::string_view control : {panel.prompt, panel.box, panel.list}) {
        ui.setControlEnabled(control, true);
        ui.setControlVisible(control, true);
    }
    ui.setFocus(panel.box);
}

void hideFilePanel(Ui& ui, const FilePanel& panel) {
    ui.setControlText(panel.box, "");
    for (std::string_view control : {panel.box, panel.list, panel.prompt}) {
        ui.setControlEnabled(control, false);
        ui.setControlVisible(control, false);
    }
    if (ui.focus() == panel.box) ui.setFocus("");
}

void pickFilePanelEntry(Ui& ui, const FilePanel& panel, std::string_view entry) {
    ui.setControlText(panel.box, entry);
    ui.setFocus(panel.box);
}

}  // namespace tarnwick
