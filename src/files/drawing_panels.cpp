// The three drawing-file panels of "Options": how they open and close, and the
// name typed into them.
#include <string>

#include "core/file_panel.h"
#include "files/name_rule.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::opendrawingpanel(const char* prompt, const char* box, const char* list, const char* filter) {
    panelopensteps();
    showFilePanel(ui, {prompt, box, list}, filter);
}

// Enter and Escape both close a panel with the whole panel-closed restore.
void Form57::closedrawingpanel(const char* prompt, const char* box, const char* list) {
    panelclosedrestore();
    hideFilePanel(ui, {prompt, box, list});
    panelopen = 0;
}

std::string Form57::typeddrawingname(const char* box) {
    std::string name = drawingName(ui.control(box).text);
    dotpos = static_cast<long>(name.size()) + 1;
    return name;
}

void Form57::sdrawing_Click() {
    // The settings record carries the end-point option as its menu ticks show it.
    finishfound = 0;
    static constexpr const char* endpointitems[] = {"userplace", "largestsolution", "includeunderpasses",
                                                    "mostunderpasses"};
    for (long k = 0; k <= 3; ++k) {
        if (!ui.menu(endpointitems[k]).checked || endpointoption == k) continue;
        if (k > 0 && programmode == 2) {
            canvas.fillBox(oldfinishx1, oldfinishy1, oldfinishx2, oldfinishy2, finishunder);
        }
        finishfound = 0;
        endpointoption = k;
    }
    opendrawingpanel("savelabel", "savebox", "savelist", "*.maze");
}

void Form57::importdrawing_Click() { opendrawingpanel("importlabel", "importbox", "importlist", "*.bmp"); }
void Form57::ldrawing_Click() { opendrawingpanel("loadlabel", "loadbox", "loadlist", "*.maze"); }

void Form57::pickdrawingfile1(const std::string& entry) { pickFilePanelEntry(ui, {"savelabel", "savebox", "savelist"}, entry); }

void Form57::pickdrawingfile2(const std::string& entry) {
    pickFilePanelEntry(ui, {"importlabel", "importbox", "importlist"}, entry);
}

void Form57::pickdrawingfile3(const std::string& entry) { pickFilePanelEntry(ui, {"loadlabel", "loadbox", "loadlist"}, entry); }

}  // namespace tarnwick
