// The title screen's buttons and its slide show of example pictures and credits.
#include <string>

#include "files/example_pictures.h"
#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

namespace {
constexpr long slideInterval = 5000;
constexpr long lastSlide = 13;  // 1 to 11 "example", 12 and 13 "credit"
constexpr long titleBackColour = 0x00FFFF;  // yellow
}  // namespace

// "title.bmp" holds the title as laid out for the window at start-up; a window of
// another size gets the same title laid out afresh, so it fills the window.
void Form57::showtitlepicture() {
    titlewidth = canvas.width();
    titleheight = canvas.height();
    canvas.setBackColour(titleBackColour);  // the title's colour again after a slide's
    auto picture = loadwrittenpicture("title.bmp");
    if (!picture) return;  // the last picture stays
    if (picture->width != canvas.width() || picture->height != canvas.height())
        picture = titlePicture(canvas.width(), canvas.height());
    canvas.setBackPicture(*picture);
}

// On the title (not during the show) a window that changed its size gets its title anew.
void Form57::fittitletowindow() {
    if (titlewidth != 0 && (titlewidth != canvas.width() || titleheight != canvas.height())) showtitlepicture();
}

// A slide sits unscaled at the top-left; the window beyond it takes the colour of
// the slide's bottom-right corner, so a larger window shows no strip of another colour.
bool Form57::showslide() {
    const std::string name = slideindex <= 11 ? "example" + std::to_string(slideindex) + ".bmp"
                                              : "credit" + std::to_string(slideindex - 11) + ".bmp";
    auto picture = platform.loadPicture(name);
    if (!picture || picture->empty()) return false;
    canvas.setBackColour(static_cast<long>(picture->at(picture->width - 1, picture->height - 1)));
    canvas.setBackPicture(*picture);
    titlewidth = titleheight = 0;
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
