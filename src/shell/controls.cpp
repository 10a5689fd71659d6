// The window's controls: the title buttons and timers, and every panel's
// controls, hidden and disabled until their panel opens.
#include <string>

#include "shell/form57.h"

namespace tarnwick {

namespace {

struct ControlDef {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;  // pixels
};

// Panel controls. The drawing-file panels (save, import, load) each have a prompt,
// a name box and a file list; their file lists report to pickdrawingfile1 to 3.
constexpr ControlDef panelControls[] = {
    {"Command1", ControlKind::Button, "Done", 8, 296, 65, 25},
    {"wallsizelabel", ControlKind::Label, "Please type in a wall size from 5 to 50 pixels:", 0, 8, 249, 17},
    {"wallsizebox", ControlKind::EntryBox, "", 248, 8, 33, 19},
    {"Label1", ControlKind::Label, "How many mazes do you want to print?", 0, 8, 201, 17},
    {"printcountbox", ControlKind::EntryBox, "", 200, 8, 41, 19},
    {"Label8", ControlKind::Label, "Please type in a name to save your patterns as:", 0, 8, 225, 17},
    {"Text5", ControlKind::EntryBox, "", 224, 8, 81, 19},
    {"savepatternlist", ControlKind::FileList, "", 0, 32, 305, 150},
    {"Label9", ControlKind::Label, "Please type in the name of the pattern you would like to load:", 0, 8, 289, 17},
    {"Text6", ControlKind::EntryBox, "", 288, 8, 81, 19},
    {"loadpatternlist", ControlKind::FileList, "", 0, 32, 369, 150},
    {"Label10", ControlKind::Label, "Please type in a maximum size for random patterns:", 0, 8, 249, 17},
    {"Text7", ControlKind::EntryBox, "", 248, 8, 25, 19},
    {"savelabel", ControlKind::Label, "Please type in a name to save your drawing as:", 0, 8, 225, 17},
    {"savebox", ControlKind::EntryBox, "", 224, 8, 121, 19},
    {"savelist", ControlKind::FileList, "", 0, 32, 345, 150},
    {"importlabel", ControlKind::Label, "Please type in the name of the bitmap to import:", 0, 8, 233, 17},
    {"importbox", ControlKind::EntryBox, "", 232, 8, 121, 19},
    {"importlist", ControlKind::FileList, "", 0, 32, 353, 150},
    {"loadlabel", ControlKind::Label, "Please type in the name of the drawing to load:", 0, 8, 233, 17},
    {"loadbox", ControlKind::EntryBox, "", 232, 8, 121, 19},
    {"loadlist", ControlKind::FileList, "", 0, 32, 353, 150},
};

// Title buttons, from the window's layout in twips (15 to the pixel).
constexpr ControlDef titleButtons[] = {
    {"Command2", ControlKind::Button, "Click to Begin", 240 / 15, 480 / 15, 1695 / 15, 495 / 15},
    {"Command3", ControlKind::Button, "Click to see examples and credits", 240 / 15, 1560 / 15, 2655 / 15,
     495 / 15},
    {"Command7", ControlKind::Button, "Click to Quit Program", 240 / 15, 2640 / 15, 1695 / 15, 495 / 15},
};

}  // namespace

void Form57::createcontrols() {
    auto add = [this](const ControlDef& d, bool shown) {
        Control& c = ui.addControl(d.name, d.kind, d.caption);
        c.left = d.left;
        c.top = d.top;
        c.width = d.width;
        c.height = d.height;
        c.enabled = shown;
        c.visible = shown;
    };
    for (const ControlDef& d : titleButtons) add(d, true);
    for (const ControlDef& d : panelControls) add(d, false);
    ui.setControlMaxLength("Text7", 2);  // the maximum size of random patterns: 2 to 99
    // Class boxes Check1..Check16 and pen swatches Check17..Check32 share one place
    // per palette colour, in rows of seven.
    for (int k = 1; k <= 16; ++k) {
        const char* caption = k <= 8 ? "Background" : k < 16 ? "Border Color" : "Maze Color";
        for (int box : {k, k + 16}) {
            Control& c = ui.addControl("Check" + std::to_string(box), ControlKind::CheckBox, caption);
            c.left = 8 + 104 * ((k - 1) % 7);
            c.top = 56 + 64 * ((k - 1) / 7);
            c.width = 81;
            c.height = 33;
            c.value = box <= 8 ? 1 : 0;
            c.enabled = false;
            c.visible = false;
        }
    }
    ui.addTimer("Timer1").interval = 5000;
    Timer& timer2 = ui.addTimer("Timer2");
    timer2.interval = 10000;
    timer2.enabled = true;
}

}  // namespace tarnwick
