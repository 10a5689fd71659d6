// The title screen's buttons and its slide show of example pictures and credits.
#include <string>

#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

namespace {
constexpr long slideInterval = 5000;
constexpr long lastSlide = 13;  // 1 to 11 "example", 12 and 13 "credit"
}  // namespace

void Form57::showtitlepicture() {
    if (auto picture = loadwrittenpicture("title.bmp")) canvas.setBackPicture(*picture);
}

bool Form57::showslide() {
    const std::string name = slideindex <= 11 ? "example" + std::to_string(slideindex) + ".bmp"
                                              : "credit" + std::to_string(slideindex - 11) + ".bmp";
    auto picture = platform.loadPicture(name);
    if (!picture) return false;
    canvas.setBackPicture(*picture);
    return true;
}

void Form57::hidetitlebuttons() {
    for (const char* button : {"Command3", "Command2"}) {
        ui.setControlEnabled(button, false);
        ui.setControlVisible(button, false);
    }
    ui.setControlVisible("Command7", false);
}

void Form57::offertitlebuttons(bool show) {
    for (const char* button : {"Command3", "Command2"}) ui.setControlEnabled(button, true);
    if (!show) return;
    for (const char* button : {"Command3", "Command2", "Command7"}) ui.setControlVisible(button, true);
}

void Form57::Command2_Click() {
    paused = 0;
    editedpattern = 0;
    menus::set(ui, menus::Op::Enable, menus::mazepictureitems);
    loadexample = 1;
    programmode = 0;
    hidetitlebuttons();
    ui.setTimerEnabled("Timer1", false);
    ui.setTimerEnabled("Timer2", false);
    // The first drawing is one of the examples, never the diamond.
    do exampledrawing = random.draw(4);
    while (exampledrawing == 3);
    menus::set(ui, menus::Op::Untick, menus::mazepictureitems);
}

void Form57::startslideshow() {
    slideindex = 1;
    ui.setTimerEnabled("Timer1", true);
    ui.setTimerEnabled("Timer2", false);
    showslide();
    hidetitlebuttons();
}

void Form57::Command3_Click() { startslideshow(); }
void Form57::Timer2_Timer() { startslideshow(); }

void Form57::endslideshow() {
    ui.setTimerEnabled("Timer1", false);
    ui.setTimerEnabled("Timer2", true);
    showtitlepicture();
    offertitlebuttons(panelopen == 0);
}

// A missing slide is skipped at once, without waiting another interval.
void Form57::slidestep() {
    for (;;) {
        ++slideindex;
        if (slideindex > lastSlide) return endslideshow();
        if (showslide()) return;
    }
}

void Form57::Timer1_Timer() {
    ui.setTimerInterval("Timer1", slideInterval);
    slidestep();
}

void Form57::Form_MouseDown(int button) {
    if (button == 1 && programmode == -5 && !ui.timer("Timer2").enabled) {
        ui.setTimerEnabled("Timer1", false);
        ui.setTimerEnabled("Timer2", true);
        showtitlepicture();
        offertitlebuttons(true);
    }
    if (button == 2 && ui.timer("Timer1").enabled) {
        ui.setTimerInterval("Timer1", slideInterval);
        ui.setTimerEnabled("Timer1", false);
        ui.setTimerEnabled("Timer1", true);
        slidestep();
    }
}

void Form57::Command7_Click() { platform.requestEnd(); }

}  // namespace tarnwick
