// The menu states by mode: each set is described once here and applied where the
// stages, panels and the pattern editor call it.
#include <algorithm>
#include <string>

#include "shell/form57.h"
#include "shell/menu_names.h"

namespace tarnwick {

using namespace menus;

namespace {

// How a panel closer differs from the plain panel-closed restore.
struct RestoreVariant {
    bool clearPanelOpen = true;       // step 1 clears `panelopen` too
    bool flagsOnly = false;           // steps 1 to 3 only
    bool backToMazeStep = true;       // step 4
    bool drawingItemsStep = true;     // step 5
    bool createItemsInStep5 = false;  // step 5 enables the Create items too
    bool testPatternMenuMode = false; // the mode tests of steps 4, 5, 7, 9 and 10 also pass for `patternmenumode`
    bool printStep = true;            // step 6
    bool backToDrawingStep = true;    // step 7
    bool editItemsStep = true;        // step 12
};

// A number as the progress caption writes it: one blank, or the minus sign, before it.
std::string signedText(long n) {
    std::string text = std::to_string(n);
    if (n >= 0) text.insert(text.begin(), ' ');
    return text;
}

}  // namespace

// The print-run items are offered only while no maze count is asked for: a
// restore that enabled them during a run would let a second run start over it.
static void offerPrintRunItems(Form57& f) {
    if (f.mazestoprint == 0) set(f.ui, Op::Enable, printrunitems);
}

static void restore(Form57& f, const RestoreVariant& v) {
    Ui& ui = f.ui;
    const long mode = f.programmode;
    f.paused = 0;
    if (v.clearPanelOpen) f.panelopen = 0;
    if (mode < 3) ui.setEnabled("rfinish", true);
    if (!ui.menu("nrefresh").enabled) ui.setEnabled("nrefresh", f.nrefreshsaved != 0);
    f.nrefreshsaved = 0;
    if (v.flagsOnly) return;
    // A mode test, also passed by `patternmenumode` where the variant says so.
    auto modeIs = [&](auto test) { return test(mode) || (v.testPatternMenuMode && test(f.patternmenumode)); };
    if (v.backToMazeStep && modeIs([](long m) { return m == 2 || m == 3; })) ui.setEnabled("backtomaze", true);
    if (v.drawingItemsStep && modeIs([](long m) { return m == 0; })) {
        set(ui, Op::Enable, drawingfileitems);
        ui.setEnabled("changewallsize", true);
        if (v.createItemsInStep5) set(ui, Op::Enable, createitems);
    }
    if (v.printStep) offerPrintRunItems(f);
    if (v.backToDrawingStep) ui.setEnabled("backtodrawing", modeIs([](long m) { return m > 0; }));
    ui.setEnabled("newmaze", true);
    if (modeIs([](long m) { return m == 1 || m == 3; })) ui.setEnabled("sandf", true);
    if (modeIs([](long m) { return m == 2; })) ui.setEnabled("solvemaze", true);
    ui.setEnabled("srndpatterns", true);
    if (v.editItemsStep && (mode == 0 || mode == 1)) set(ui, Op::Enable, edititems);
}

void Form57::tickgroup(std::initializer_list<std::string_view> items, long chosen) { tickOne(ui, items, chosen); }

// ---- title ----

void Form57::titlemenus() {
    set(ui, Op::Disable, menutitles);
    set(ui, Op::Hide, menutitles);
    ui.setVisible("mazepicture", false);
    ui.setEnabled("create3dpipe", true);
    ui.setVisible("create3dpipe", false);
    ui.setEnabled("changewallsize", false);
    ui.setVisible("changewallsize", false);
}

void Form57::leavetitlemenus() {
    set(ui, Op::Enable, menutitles);
    set(ui, Op::Show, menutitles);
    ui.setVisible("mazepicture", true);
    ui.setEnabled("stopallprintings", false);
}

// ---- drawing stage ----

void Form57::drawingentrymenus() {
    set(ui, Op::Disable, {"resetcolors", "backtomaze", "resetpattern", "crpattern", "makeidentical",
                          "exitpattern"});
    set(ui, Op::Enable, edititems);
    ui.setEnabled("resetpatterns", true);
    ui.setEnabled("mpdrawing", false);
    set(ui, Op::Enable, drawingfileitems);
    set(ui, Op::Enable, drawingswitchitems);
    set(ui, Op::Disable, {"backtodrawing", "sandf", "solvemaze"});
    ui.setEnabled("newmaze", true);
    // The editor and the panels take it away; a stage left through the title gives it back here.
    ui.setEnabled("srndpatterns", true);
}

void Form57::drawingendmenus() {
    set(ui, Op::Disable, drawingswitchitems);
    set(ui, Op::Disable, {"choosew", "selectcolor"});
}

void Form57::drawingloopstartmenus() {
    set(ui, Op::Enable, {"rfinish", "importdrawing"});
    if (picturedrawing == 1 && paused != 1) {
        set(ui, Op::Enable, createitems);
        ui.setEnabled("changewallsize", true);
    }
    if (mazekind != 1 && paused != 1) set(ui, Op::Enable, {"createreg", "create3d"});
}

PassMenus::PassMenus(const Ui& ui)
    : keyhelp{ui.menuId("keysmaze"), ui.menuId("ksandf"), ui.menuId("keysanswer")},
      items3d{ui.menuId("mazemode1"), ui.menuId("includeunderpasses"), ui.menuId("mostunderpasses")},
      underpasslength(ui.menuId("lthick")),
      levels{ui.menuId("mode1"), ui.menuId("mode2"), ui.menuId("mode3"), ui.menuId("mode4"), ui.menuId("mode5"),
             ui.menuId("mode6")},
      creation{ui.menuId("ugenerate"), ui.menuId("cgenerate")},
      patternsets{ui.menuId("savepatterns"), ui.menuId("loadpatterns")} {}

// The ticks and 3d items that every stage pass keeps by the settings.
enum class KeyHelp { None = -1, Making, Placing, Solving };

static void keyhelpmenus(Form57& f, KeyHelp stage) {
    for (int i = 0; i < 3; ++i) f.ui.setEnabled(f.passmenus.keyhelp[i], i == static_cast<int>(stage));
}

static void offerIf(Ui& ui, bool on, MenuId item) {
    ui.setEnabled(item, on);
    ui.setVisible(item, on);
}

static void mazekindmenus(Form57& f) {
    for (MenuId item : f.passmenus.items3d) offerIf(f.ui, f.mazekind != 0, item);
    offerIf(f.ui, f.mazekind == 1, f.passmenus.underpasslength);
}

static void levelticks(Form57& f) {
    const long chosen = f.difficultylevel - 1;
    for (long i = 0; i < 6; ++i) f.ui.setChecked(f.passmenus.levels[i], i == chosen);
}

// Pattern sets can be saved and loaded in the drawing stage, in maze making and in
// the pattern editor, whenever no panel is open.
static void offerpatternsets(Form57& f) {
    if (f.panelopen == 0)
        for (MenuId item : f.passmenus.patternsets) f.ui.setEnabled(item, true);
}

static void creationticks(Form57& f) {
    f.ui.setChecked(f.passmenus.creation[0], f.creationmode == -1);
    f.ui.setChecked(f.passmenus.creation[1], f.creationmode != -1);
}

void Form57::drawingpassmenus() {
    if (printmode != 0) printupkeepprogress();
    if (nodrawing == 0 || nodrawing == 1) tickOne(ui, {"drawingon", "drawingoff"}, nodrawing);
    tickOne(ui, {"turnsoff", "horizontal", "vertical", "way4"}, symmetrymode);
    tickOne(ui, {"userplace", "largestsolution", "includeunderpasses", "mostunderpasses"}, endpointoption);
    if (notrail == 0 || notrail == 1) ui.setChecked("leavetrail", notrail == 0);
    ui.setChecked("pnormal", pathsize == 1);
    ui.setChecked("plarge", pathsize == 2);
    creationticks(*this);
    keyhelpmenus(*this, KeyHelp::None);
    printupkeepcountzero();
    mazekindmenus(*this);
    levelticks(*this);
    offerpatternsets(*this);
}

void Form57::drawingpassaftermenus() {
    if (mazekind == 0 || mazekind == 1 || mazekind == 2)
        tickOne(ui, {"createreg", "create3dpipe", "create3d"}, mazekind);
    if (picturedrawing != 1) {
        ui.setEnabled("changewallsize", false);
        ui.setVisible("changewallsize", false);
    } else if (paused != 1) {
        ui.setEnabled("changewallsize", true);
        ui.setVisible("changewallsize", true);
    }
}

void Form57::drawingstageendmenus() {
    auto shortUnderpasses = [this] {
        ui.setChecked("pthick", true);
        ui.setChecked("pthin", false);
    };
    switch (exampledrawing) {
        case 1:
        case 4:
            offerIf(ui, true, {"createreg", "create3d"});
            offerIf(ui, false, {"create3dpipe"});
            ui.setChecked(exampledrawing == 1 ? "usetemple" : "usetree", true);
            break;
        case 2: {
            offerIf(ui, true, {"createreg", "create3d"});
            ui.setEnabled("create3dpipe", true);
            if (!ui.menu("create3dpipe").visible) tickOne(ui, {"createreg", "create3d", "create3dpipe"}, 2);
            ui.setVisible("create3dpipe", true);
            ui.setChecked("usespace", true);
            shortUnderpasses();
            break;
        }
        case 3:
            offerIf(ui, false, {"createreg", "create3d", "create3dpipe"});
            ui.setChecked("usediamond", true);
            shortUnderpasses();
            break;
        default:
            break;
    }
}

// ---- maze making ----

void Form57::makingentrymenus() {
    set(ui, Op::Disable, {"resetcolors", "importdrawing"});
    set(ui, Op::Enable, edititems);
    ui.setEnabled("resetpatterns", true);
    ui.setEnabled("changewallsize", false);
    set(ui, Op::Enable, createitems);
    ui.setEnabled("backtomaze", false);
}

void Form57::makingentrymenus2() {
    set(ui, Op::Enable, {"backtodrawing", "newmaze", "sandf"});
    set(ui, Op::Disable, {"solvemaze", "sdrawing", "ldrawing", "ndrawing"});
}

void Form57::makingpassmenus() {
    creationticks(*this);
    offerpatternsets(*this);
    keyhelpmenus(*this, KeyHelp::Making);
    mazekindmenus(*this);
    levelticks(*this);
    if (printmode == 0) printupkeepnorun();
    else printupkeepprogress();
    printupkeepcountzero();
}

// ---- placing ----

void Form57::placingentrymenus() {
    set(ui, Op::Disable, {"savepatterns", "loadpatterns"});
    set(ui, Op::Disable, edititems);
    ui.setEnabled("resetpatterns", false);
    ui.setEnabled("backtomaze", true);
}

void Form57::placingentrymenus2() {
    set(ui, Op::Enable, {"backtodrawing", "newmaze"});
    ui.setEnabled("sandf", false);
    ui.setEnabled("solvemaze", true);
}

// Rule (iii) stays with the placing worker, which applies it later in its pass.
void Form57::placingpassmenus() {
    keyhelpmenus(*this, KeyHelp::Placing);
    mazekindmenus(*this);
    levelticks(*this);
    if (printmode == 0) printupkeepnorun();
    else printupkeepprogress();
}

// ---- solving ----

void Form57::solveentrymenus() {
    set(ui, Op::Enable, {"newmaze", "sandf", "backtodrawing"});
    ui.setEnabled("solvemaze", false);
}

void Form57::solvingpassmenus() {
    keyhelpmenus(*this, KeyHelp::Solving);
    mazekindmenus(*this);
    levelticks(*this);
}

// ---- print run upkeep ----

void Form57::printupkeepnorun() {
    if (printmode != 0) return;
    ui.setEnabled("printing", false);
    ui.setVisible("printing", false);
    ui.setEnabled("stopallprintings", false);
    // No run is going, also after one that ended by its count: the items come back.
    if (paused != 1) set(ui, Op::Enable, printrunitems);
}

void Form57::printupkeepprogress() {
    if (printmode == 0) return;
    std::string progress =
        signedText(mazestoprint - mazesprinted) + " mazes left to print out of " + signedText(mazestoprint);
    if (!lastpageplace.empty()) progress += " - last page printed to " + lastpageplace;
    ui.setCaption("printing", progress);
}

void Form57::printupkeepcountzero() {
    if (mazestoprint != 0) return;
    if (paused != 1) set(ui, Op::Enable, printrunitems);
    ui.setEnabled("stopallprintings", false);
    ui.setEnabled("printing", false);
    ui.setVisible("printing", false);
    set(ui, Op::Untick, printrunitems);
}

// ---- panels ----

// The first steps of every opening: the pause, "Reset end-points" off and the state
// of "New maze and refresh picture" kept for the restore.
static void openingsteps(Form57& f, bool panel) {
    f.paused = 1;
    if (panel) f.panelopen = 1;
    f.ui.setEnabled("rfinish", false);
    f.nrefreshsaved = f.ui.menu("nrefresh").enabled ? 1 : 0;
    f.ui.setEnabled("nrefresh", false);
}

void Form57::panelopensteps() {
    openingsteps(*this, true);
    set(ui, Op::Disable, panelitems);
}

void Form57::patternsetpanelopensteps() {
    openingsteps(*this, true);
    for (auto item : panelitems)
        if (std::find(edititems.begin(), edititems.end(), item) == edititems.end()) ui.setEnabled(item, false);
    set(ui, Op::Disable, createitems);
}

void Form57::randomsizepanelopensteps() {
    nrefreshallowed = 0;
    panelopensteps();
    ui.setEnabled("quit2", false);
    set(ui, Op::Disable, createitems);
    set(ui, Op::Disable, mazepictureitems);
}

void Form57::panelclosedrestore() { restore(*this, {}); }

void Form57::panelflagsrestore() { restore(*this, {.flagsOnly = true}); }

void Form57::randomsizepanelclosedrestore() {
    if (nrefreshallowed == 1) ui.setEnabled("nrefresh", true);
    set(ui, Op::Enable, mazepictureitems);
    ui.setEnabled("quit2", true);
    restore(*this, {});
    set(ui, Op::Enable, createitems);
}

void Form57::patternsetpanelclosedrestore() {
    if (programmode == 0) {
        set(ui, Op::Enable, drawingfileitems);
        set(ui, Op::Enable, drawingswitchitems);
    }
    ui.setEnabled("newmaze", true);
    if (mazemerged == 1) ui.setEnabled("nrefresh", true);
    offerPrintRunItems(*this);
    if (programmode == 1) set(ui, Op::Enable, {"backtodrawing", "sandf", "mpdrawing"});
    if (editedpattern != 0) return;
    restore(*this, {.createItemsInStep5 = true, .testPatternMenuMode = true, .editItemsStep = false});
}

void Form57::examplerestore() {
    restore(*this, {.drawingItemsStep = false, .printStep = false, .backToDrawingStep = false});
}

void Form57::exitpatternrestore() {
    restore(*this, {.clearPanelOpen = false, .createItemsInStep5 = true, .printStep = false,
                    .editItemsStep = false});
}

// ---- pattern editor ----

void Form57::patterneditoropensteps() {
    openingsteps(*this, false);
    set(ui, Op::Disable, std::span(panelitems).first(15));
    set(ui, Op::Disable, createitems);
    set(ui, Op::Disable, mazepictureitems);
}

void Form57::editorstartmenus() {
    set(ui, Op::Enable, {"keyspattern", "crpattern", "resetpattern", "makeidentical", "exitpattern"});
    set(ui, Op::Disable, {"backtodrawing", "sandf", "mpdrawing", "sdrawing", "ldrawing", "ndrawing", "newmaze",
                          "choosew", "selectcolor", "nrefresh", "importdrawing"});
    set(ui, Op::Disable, printrunitems);
    set(ui, Op::Disable, createitems);
    offerpatternsets(*this);
}

void Form57::editorendmenus() {
    set(ui, Op::Disable, {"keyspattern", "crpattern", "resetpattern", "makeidentical", "exitpattern"});
    if (ui.control("Text5").visible || ui.control("Text6").visible) return;
    if (programmode == 0) {
        set(ui, Op::Enable, drawingswitchitems);
        set(ui, Op::Enable, drawingfileitems);
    }
    ui.setEnabled("newmaze", true);
    if (mazemerged == 1) ui.setEnabled("nrefresh", true);
    offerPrintRunItems(*this);
    if (programmode == 1) set(ui, Op::Enable, {"backtodrawing", "sandf", "mpdrawing"});
}

}  // namespace tarnwick
