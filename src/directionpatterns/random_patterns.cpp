// Random patterns: a fill that the editor plays visibly ("Create random
// pattern"), and a run that makes one pattern in one go before a maze is made.
// Both use the editor's field, its replay and its move step.
#include "core/geometry.h"
#include "core/pattern_copies.h"
#include "directionpatterns/pattern_files.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::randomsizerule() {
    savedmaxrandomsize = maxrandomsize;
    if (mazekind != 0) maxrandomsize = maxrandomsize + 1;
    if (randomanysize == 1) maxrandomsize = random.draw(maxrandomsize);
}

bool Form57::randomstoprule() const { return randomsteps >= maxrandomsize - 1; }

void Form57::randomdraw() {
    direction = random.draw(4);
    if (randomgmoves == 1) direction = random.draw(5);
}

void Form57::resetpatterncopy() {
    files.close(1);
    files.close(2);
    resetpatternfile(mazekind, editedpattern);
    const std::string copy = patterncopyname(mazekind, editedpattern);
    if (!files.open(2, copy, FileMode::Output)) reportfilefailure(copy);
    files.close(2);
}

void Form57::crpattern_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    // A fill that is still running gives its maximum back before a new one starts.
    fillunfinished();
    files.close(1);
    files.close(2);
    randomsizerule();
    resetpatterncopy();
    programmode = -2;
    randomfill = 1;
    randomsteps = 0;
}

void Form57::editrandompat() {
    randomgmoves = 0;
    savesnapshot(snapshot::editorbackdrop);
    canvas.setScreenOnly(false);
    randomsizerule();
    randomsteps = 0;
    patternsreplaced = 0;
    patcarvemode = carvemode;
    editorreturnmode = programmode;
    savePatternCopies(*this);
    editorsetup(true);
    resetpatterncopy();
    openpatternforreplay();
    editorreplay();

    for (long pass = 0;; ++pass) {
        recordmoves = 1;
        setPreviousCell(*this, currentCell(*this));
        direction = 0;
        lasteditedpattern = editedpattern;
        // A field that does not fit the surface may never let the pattern grow.
        if (randomstoprule() || pass >= randomrunpasslimit) {
            maxrandomsize = savedmaxrandomsize;
            programmode = 1;
            editedpattern = 0;
            lasteditedpattern = 0;
        }
        randomdraw();
        if (stuckflag == 1) stuckrecovery();
        if (programmode == 0 || programmode == 1) break;
        livemovestep(false);
    }

    files.writeLine(1, {movesend, sectionend});
    files.close(1);
    files.close(2);
    difficultylevel = patdifficultylevel;
    restorePatternCopies(*this);
    paintsnapshot(snapshot::editorbackdrop);
    if (patternstate != 3) {
        patternstate = 0;
        patternchoice = 0;
    }
    carvemode = patcarvemode;
    programmode = 1;
    randomsteps = 0;
    randomfill = 0;
}

}  // namespace tarnwick
