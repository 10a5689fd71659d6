// "Pattern settings", "Random pattern settings" and the maximum size of random patterns.
#include <string>

#include "core/number_reader.h"
#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

using menus::tickOne;

namespace {
constexpr const char* entrybox = "Text7";
constexpr const char* prompt = "Label10";
}  // namespace

// Takes the latch; true when the item of the "Pattern settings" choice is not ticked
// yet, so that choosing the ticked item again does nothing more.
static bool choosepatternsetting(Form57& f, long choice) {
    static constexpr const char* items[] = {"dontusepattern", "usepattern", "crnd1"};
    if (f.commandtaken != 0) return false;
    f.commandtaken = 1;
    if (f.ui.menu(items[choice]).checked) return false;
    tickOne(f.ui, {items[0], items[1], items[2]}, choice);
    f.dropblockedpattern = 0;
    return true;
}

void Form57::usepattern_Click() {
    if (!choosepatternsetting(*this, 1)) return;
    randompatternmode = 0;
    patternstate = 0;
    patternchoice = 0;
}

void Form57::dontusepattern_Click() {
    if (!choosepatternsetting(*this, 0)) return;
    patternresume = 0;
    patternstate = 3;
    patternchoice = 3;
    randompatternmode = 0;
}

void Form57::crnd1_Click() {
    if (!choosepatternsetting(*this, 2)) return;
    randompatternmode = 5;
    patternstate = 0;
    patternchoice = 0;
}

static void chooserandomsize(Form57& f, long anysize) {
    if (f.commandtaken != 0) return;
    f.commandtaken = 1;
    f.randomanysize = anysize;
    tickOne(f.ui, {"maxrnd", "usernd"}, anysize);
}

void Form57::maxrnd_Click() { chooserandomsize(*this, 0); }
void Form57::usernd_Click() { chooserandomsize(*this, 1); }

void Form57::randomsizecaptions() {
    const std::string n = std::to_string(static_cast<long>(maxrandomsize));
    ui.setCaption("maxrnd", "Random patterns are allways size \"" + n + "\"");
    ui.setCaption("usernd", "Random patterns are any size from \"1\" to \"" + n + "\"");
}

void Form57::srndpatterns_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    randomsizepanelopensteps();
    for (const char* control : {prompt, entrybox}) {
        ui.setControlEnabled(control, true);
        ui.setControlVisible(control, true);
    }
    ui.setControlText(entrybox, std::to_string(static_cast<long>(maxrandomsize)));
    // Typed digits must reach the box, not the stage's key handler.
    ui.setFocus(entrybox);
    savedautoredraw = canvas.screenOnly() ? 0 : 1;
    canvas.setScreenOnly(true);
}

// Enter takes the typed maximum (2 to 99), Escape keeps the old one; both close the panel.
void Form57::Text7_KeyDown(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    canvas.setScreenOnly(savedautoredraw == 0);
    randomsizepanelclosedrestore();
    if (keyCode == 13) {
        maxrandomsize = clampToLong(readNumber(ui.control(entrybox).text), 2, 99);
        ui.setControlText(entrybox, std::to_string(static_cast<long>(maxrandomsize)));
        randomsizecaptions();
    }
    for (const char* control : {prompt, entrybox}) {
        ui.setControlEnabled(control, false);
        ui.setControlVisible(control, false);
    }
    if (ui.focus() == entrybox) ui.setFocus("");
    panelopen = 0;
}

}  // namespace tarnwick
