// The "Print-Options" commands and the print panel that starts a run.
#include <cmath>
#include <string_view>

#include "core/number_reader.h"
#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

using namespace menus;

namespace {

constexpr const char* countbox = "printcountbox";
constexpr const char* prompt = "Label1";

// Beyond this no run could ever end; the progress text still shows it whole.
constexpr long largestcount = 2'147'483'647;

// A plain decimal number, no exponent: a fraction asks for the next whole maze,
// so the run's count of whole mazes printed reaches it where the fraction would.
long printcount(std::string_view text) {
    const double n = readNumber(text, Exponent::No);
    return clampToLong(n > 0 ? std::ceil(n) : std::floor(n), -largestcount, largestcount);
}

}  // namespace

void Form57::print_Click() { printwindowpage(); }

void Form57::printwithsolutions_Click() { openprintpanel(1); }

void Form57::printnosolutions_Click() { openprintpanel(2); }

// The items follow at once, also in the solve stage, whose passes leave them alone.
void Form57::stopallprintings_Click() {
    endprintrun();
    mazestoprint = 0;
    answerpagedue = 0;
    printupkeepnorun();
    printupkeepcountzero();
}

void Form57::openprintpanel(long kind) {
    panelopensteps();
    printchoice = kind;
    ui.setControlText(countbox, "");
    for (const char* control : {countbox, prompt}) {
        ui.setControlEnabled(control, true);
        ui.setControlVisible(control, true);
    }
    ui.setFocus(countbox);
    // Put back on closing: a drawing pass that expects its screen layer must get it again.
    printpanellayer = canvas.screenOnly() ? 1 : 0;
    canvas.setScreenOnly(true);
}

void Form57::printcountentry(int keyCode) {
    if (keyCode == 27) {
        closeprintpanel();
        return;
    }
    if (keyCode != 13) return;
    mazesprinted = 0;
    mazestoprint = printcount(ui.control(countbox).text);
    if (mazestoprint != 0) startprintrun();
    set(ui, Op::Untick, printrunitems);
    if (printmode == 1) ui.setChecked("printwithsolutions", true);
    if (printmode == 2) ui.setChecked("printnosolutions", true);
    closeprintpanel();
}

void Form57::startprintrun() {
    printmode = printchoice;
    answerpagedue = 0;
    lastpageplace.clear();
    printfailures = 0;
    ui.setEnabled("stopallprintings", true);
    ui.setEnabled("printing", true);
    ui.setVisible("printing", true);
    set(ui, Op::Disable, printrunitems);
    printupkeepprogress();
}

void Form57::closeprintpanel() {
    paused = 0;
    panelopen = 0;
    panelclosedrestore();
    for (const char* control : {countbox, prompt}) {
        ui.setControlEnabled(control, false);
        ui.setControlVisible(control, false);
    }
    ui.setFocus("");
    canvas.setScreenOnly(printpanellayer == 1);
}

}  // namespace tarnwick
