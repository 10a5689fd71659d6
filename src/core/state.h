#pragma once
#include <array>

#include "core/colour_classes.h"
#include "core/colour_table.h"
#include "core/num.h"

namespace tarnwick {

// The program state: every field under its own name, all 0 at start (the stages
// rely on it). Tables are 1-based as the program numbers them; entry 0 is unused.
// Fields of the settings record are `Num`s, which remember whether they were ever set.
struct State {
    // Fields of the settings record.
    Num autominimizeon, borderpencolor, cellx1, cellx2, celly1, celly2;
    Num creationmode, difficultylevel, dropblockedpattern, endpointoption, filloption, finishcolor;
    Num finishx1, finishx2, finishy1, finishy2, gridstepx, gridstepy;
    Num maxrandomsize, mazekind, nodrawing, notrail, openpencolor, passagecolor;
    Num pathsize, patternstate, pencolor, picturedrawing, playoption, programmode;
    Num randomanysize, randomdown, randomgmoves, randomleft, randompatternmode, randomright;
    Num randomsteps, randomup, startcolor, startx1, startx2, starty1;
    Num starty2, symmetrymode, unusedsetting, wallsizex, wallsizey;
    ColourTable<Num, 17> passagecolors;

    // Colour tables.
    std::array<long, 17> palette{};
    ColourTable<long, 18> opencolors;  // entry 17: &H7C00 or a value no pixel has
    ColourTable<long, 17> bordercolors;

    // Other fields.
    long areaheight{}, areawidth{}, arrivalcolor{}, basepassagecolor{}, bestpathlength{}, bestunderpasses{};
    long carvemode{}, centerx{}, centery{}, cleandrawingsaved{}, colorfound{}, colorskept{};
    long commandtaken{}, crossingkind{}, cursorcolor{}, cursorspanx{}, cursorspany{}, direction{};
    long dotpos{}, drawcellx1{}, drawcellx2{}, drawcelly1{}, drawcelly2{}, drawnbefore{};
    long drawpencolor{}, editedpattern{}, editorlive{}, editorreturnmode{}, exampledrawing{}, fallbackrecorded{};
    long fallbackx1{}, fallbackx2{}, fallbacky1{}, fallbacky2{}, finishcolorchanged{}, finishfound{};
    long finishsample{}, finishunder{}, foundcolor{}, gridchanged{}, gridcols{}, gridrows{};
    long homex1{}, homex2{}, homey1{}, homey2{}, keeppicture{}, keeprandompatterns{};
    long keepunderpasslength{}, keptdrawingoff{}, keptfinishcolor{}, keptgridstepx{}, keptstartcolor{}, keptwallsizex{};
    long lastcarvemode{}, lastcolumnx{}, lastcreationmode{}, lasteditedpattern{}, lastnotrail{}, lastpaintpen{};
    long lastplaymode{}, lastrowy{}, lastsegmentx{}, lastsegmenty{}, leadx{}, leady{};
    long leftpassage{}, loadexample{}, lookleadx{}, lookleady{}, lookx1{}, lookx2{};
    long looky1{}, looky2{}, markx{}, marky{}, mazemerged{}, mazeprogress{};
    long mazesprinted{}, mazestoprint{}, minimized{}, mirrorx1{}, mirrorx2{}, mirrory1{};
    long mirrory2{}, moveallowed{}, newdrawing{}, nrefreshallowed{}, nrefreshsaved{}, oldfinishx1{};
    long oldfinishx2{}, oldfinishy1{}, oldfinishy2{}, oldmirrorx1{}, oldmirrorx2{}, oldmirrory1{};
    long oldmirrory2{}, panelopen{}, passstartpen{}, patcarvemode{}, patcellx1{}, patcellx2{};
    long patcelly1{}, patcelly2{}, patcenterx{}, patcentery{}, patdifficultylevel{}, patgridstepx{};
    long patgridstepy{}, pathlength{}, pathunderpasses{}, patlastcolumnx{}, patlastrowy{}, patmirrorx1{};
    long patmirrorx2{}, patmirrory1{}, patmirrory2{}, patprevcellx1{}, patprevcellx2{}, patprevcelly1{};
    long patprevcelly2{}, patternchoice{}, patternentry{}, patternmenumode{}, patternresume{}, patternsreplaced{};
    long patwallsizex{}, patwallsizey{}, paused{}, pipefinishx1{}, pipefinishy2{}, pipestartx1{};
    long pipestarty2{}, playmode{}, prevcellx1{}, prevcellx2{}, prevcelly1{}, prevcelly2{};
    long prevdirection{}, printchoice{}, printmode{}, priorpassagecolor{}, probex{}, probey{};
    long randomfill{}, recordmoves{}, resumecarvemode{}, resumecellx1{}, resumecellx2{}, resumecelly1{};
    long resumecelly2{}, resumemaze{}, savedautoredraw{}, savedfallbackx1{}, savedfallbackx2{}, savedfallbacky1{};
    long savedfallbacky2{}, savedfinishsample{}, savedfinishunder{}, savedmaxrandomsize{}, savedpicturedrawing{}, savedplaymode{};
    long savedstartsample{}, savedstartunder{}, saveuserfinish{}, scanx{}, scany{}, shortunderpasses{};
    long sidecount{}, slideindex{}, solveendpointoption{}, solveplaymode{}, startcolorchanged{}, startpasses{};
    long startsample{}, startunder{}, stepx{}, stepy{}, stopmaking{}, stuckflag{};
    long stucktries{}, tempcolor{}, testcount{}, undercursorcolor{}, underpasshits{}, underpasslength{};
    long underpasslock{}, underpasstry{}, userfinishx1{}, userfinishx2{}, userfinishy1{}, userfinishy2{};
    long walkercellcolor{};
    long pipestartx2{}, pipestarty1{}, pipefinishx2{}, pipefinishy1{};  // the rest of the kept 3d-pipe squares
    long examplepending{};  // 1 while the selected example's picture is still to be put on at the drawing stage's end
    long answerpagedue{};    // 1 from the print of a maze in a run with answers until its answer page
    long printpanellayer{};  // the drawing layer when the print panel opened: 1 the screen layer

    // What the colour tables make of each colour they hold (see colours.h).
    mutable ColourClasses colourClasses;
};

}  // namespace tarnwick
