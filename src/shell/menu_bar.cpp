// The menu bar: every item under its own name with its caption (trailing blanks
// kept) and its state when the window is created.
#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

namespace {

struct ItemDef {
    const char* name;
    const char* parent;  // "" for a title of the menu bar
    const char* caption;
};

constexpr ItemDef menuBar[] = {
    {"drawingt", "", "Options"},
    {"importdrawing", "drawingt", "Import Bitmap"},
    {"ndrawing", "drawingt", "New Tarnwick Drawing"},
    {"rmazes", "ndrawing", "regular 2-d mazes"},
    {"mazes3d1", "ndrawing", "3d-mazes"},
    {"mazes3d", "ndrawing", "3d-pipe-mazes"},
    {"newwallsize", "ndrawing", "New drawing and new wall size(in pixels)"},
    {"sdrawing", "drawingt", "Save Tarnwick Drawing"},
    {"ldrawing", "drawingt", "Load Tarnwick Drawing"},
    {"createreg", "drawingt", "Create regular 2-d mazes inside drawing"},
    {"create3d", "drawingt", "Create 3d-mazes inside drawing"},
    {"create3dpipe", "drawingt", "Create 3d-pipe-mazes inside drawing"},
    {"changewallsize", "drawingt", "Change wall size"},
    {"choosew", "drawingt", "Edit Colors"},
    {"selectcolor", "drawingt", "Select color"},
    {"resetcolors", "drawingt", "Reset all colors"},
    {"drawingon", "drawingt", "Drawing on"},
    {"drawingoff", "drawingt", "Drawing off"},
    {"multdrawing", "drawingt", "Symmetrical-drawing-mode"},
    {"turnsoff", "multdrawing", "(0)-Symmetrical drawing off"},
    {"horizontal", "multdrawing", "(1)-Horizontal "},
    {"vertical", "multdrawing", "(2)-Vertical"},
    {"way4", "multdrawing", "(3)-4 way symmetrical"},
    {"quit2", "drawingt", "Quit to Main Menu"},

    {"mazepicture", "", "Maze Picture"},
    {"usetemple", "mazepicture", "temple.maze"},
    {"usespace", "mazepicture", "space-station.maze"},
    {"usediamond", "mazepicture", "Diamond.maze"},
    {"usetree", "mazepicture", "Christmas-tree.maze"},

    {"printoptions", "", "Print-Options"},
    {"print", "printoptions", "print the window"},
    {"printwithsolutions", "printoptions", "print mazes(with answers)"},
    {"printnosolutions", "printoptions", "print mazes(without answers)"},
    {"stopallprintings", "printoptions", "stop all printings"},
    {"printing", "printoptions", ""},

    {"maze", "", "Maze Options"},
    {"backtodrawing", "maze", "Go back to Drawing"},
    {"newmaze", "maze", "New maze "},
    {"nrefresh", "maze", "New maze and refresh picture"},
    {"backtomaze", "maze", "Go back to Maze"},
    {"sandf", "maze", "Place start and finish"},
    {"rfinish", "maze", "Reset end-points"},
    {"solvemaze", "maze", "Solve maze"},
    {"mpdrawing", "maze", "Make current maze part of every maze"},

    {"mazemodes", "", "Maze Settings"},
    {"generatemode", "mazemodes", "Maze creation"},
    {"ugenerate", "generatemode", "(1)-User creates maze"},
    {"cgenerate", "generatemode", "(2)-Computer creates maze"},
    {"playmode", "mazemodes", "Play options"},
    {"playmodeoff", "playmode", "(0)-off (computer finds solutions)"},
    {"easymode", "playmode", "(1)-easy"},
    {"hardmode", "playmode", "(2)-hard"},
    {"leavetrail", "playmode", "Leave trail"},
    {"answermode", "mazemodes", "End-point-options"},
    {"userplace", "answermode", "(0)-User places the finish"},
    {"largestsolution", "answermode", "(1)-Computer finds largest solution from start"},
    {"includeunderpasses", "answermode", "(2)-Computer finds largest solution (include underpasses)"},
    {"mostunderpasses", "answermode", "(3)-Computer finds most underpasses from start"},
    {"mazemode1", "mazemodes", "3d-maze-difficulty"},
    {"pnormal", "mazemode1", "(1)-Paths normal size"},
    {"plarge", "mazemode1", "(2)-Paths large"},
    {"ghdfdf", "mazemode1", "Level of Difficulty:"},
    {"mode1", "mazemode1", "          1"},
    {"mode2", "mazemode1", "          2"},
    {"mode3", "mazemode1", "          3"},
    {"mode4", "mazemode1", "          4"},
    {"mode5", "mazemode1", "          5"},
    {"mode6", "mazemode1", "          6"},
    {"lthick", "mazemodes", "Length of underpasses"},
    {"pthick", "lthick", "Short"},
    {"pthin", "lthick", "Long"},
    {"autominimize", "mazemodes", "Auto-minimize (Greatly speeds execution)"},
    {"aon", "autominimize", "on"},
    {"aoff", "autominimize", "off"},
    {"kdtfrfj", "mazemodes", "Pattern settings"},
    {"dontusepattern", "kdtfrfj", "Use default (no pattern) for making maze"},
    {"usepattern", "kdtfrfj", "Use user-editable pattern for making maze"},
    {"crnd1", "kdtfrfj", "Create random identical patterns for every maze"},
    {"fgjjkhj", "mazemodes", "Random pattern settings"},
    {"maxrnd", "fgjjkhj", "Random patterns are allways size \"5\""},
    {"usernd", "fgjjkhj", "Random patterns are any size from \"1\" to \"5\""},
    {"srndpatterns", "mazemodes", "Change maximum size of random patterns"},
    {"ghdfrjkg", "mazemodes", "Fill options"},
    {"gofinish", "ghdfrjkg", "Fill entire drawing with maze"},
    {"stopfinish", "ghdfrjkg", "Make maze only until start and finish are reached"},
    {"resetsettings", "mazemodes", "Reset all maze settings"},

    {"patterns", "", "Patterns"},
    {"editpatterns", "patterns", "Edit left pattern"},
    {"rightpattern", "patterns", "Edit right pattern"},
    {"uppattern", "patterns", "Edit up pattern"},
    {"downpattern", "patterns", "Edit down pattern"},
    {"crpattern", "patterns", "Create random pattern"},
    {"resetpattern", "patterns", "Reset current pattern"},
    {"resetpatterns", "patterns", "Reset all patterns"},
    {"makeidentical", "patterns", "Make all patterns identical"},
    {"savepatterns", "patterns", "Save pattern"},
    {"loadpatterns", "patterns", "Load pattern"},
    {"exitpattern", "patterns", "Exit pattern editor"},

    // The key-help lines are text without a command.
    {"help", "", "Key Help"},
    {"keyspattern", "help", "Keys for making pattern"},
    {"keyspattern1", "keyspattern", "Use the numeric keypad to create pattern"},
    {"keyspattern2", "keyspattern", "Press \"g\" to allow movement back across pattern"},
    {"keysmaze", "help", "Keys for making your maze "},
    {"keysmaze1", "keysmaze", "Press \"J\" to toggle maze creation from computer to player"},
    {"keysmaze2", "keysmaze", "(Use the numeric keypad to create maze)"},
    {"keysmaze3", "keysmaze", "Press \"g\" to allow movement back across maze"},
    {"ksandf", "help", "Keys for placing start and finish"},
    {"ksandf1", "ksandf", "Press \"i\",\"k\",\"J\", or \"l\" to move the start square"},
    {"ksandf2", "ksandf", "Use the numeric keypad to move the end square"},
    {"ksandf3", "ksandf", "Press \"x\" or \"z\" to move start color up or down"},
    {"ksandf4", "ksandf", "Press \"m\" or \"n\" to move end color up or down"},
    {"keysanswer", "help", "Keys for solving maze"},
    {"keysanswer1", "keysanswer", "Use the numeric keypad to move (If playmode is on)"},
};

}  // namespace

void Form57::createmenubar() {
    using namespace menus;
    for (const ItemDef& item : menuBar) ui.addMenu(item.name, item.parent, item.caption);
    passmenus = PassMenus(ui);
    set(ui, Op::Disable, {"importdrawing", "ndrawing", "sdrawing", "ldrawing", "changewallsize", "choosew",
                          "selectcolor", "resetcolors", "drawingon", "drawingoff", "multdrawing", "backtodrawing",
                          "nrefresh", "crpattern", "savepatterns", "loadpatterns", "keyspattern"});
    for (std::string_view item : {"printoptions", "printing"}) {
        ui.setEnabled(item, false);
        ui.setVisible(item, false);
    }
    ui.setVisible("help", false);
    set(ui, Op::Tick, {"createreg", "usetemple", "ugenerate", "playmodeoff", "leavetrail", "userplace", "pnormal",
                       "mode4", "pthick", "aoff", "usepattern", "maxrnd", "gofinish"});
}

}  // namespace tarnwick
