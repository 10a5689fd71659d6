// No menu item is ever offered that does nothing: every item that the window's
// creation, a stage, a pass, a panel closer or the pattern editor enables has a
// handler behind it.
#include <set>
#include <string>

#include "frame_fixture.h"

namespace tarnwick::test {
namespace {

// Items that are text and run no command.
const std::set<std::string> noCommand{
    "ghdfdf",  // "Level of Difficulty:", the heading of the difficulty levels
    "keyspattern1", "keyspattern2", "keysmaze1", "keysmaze2", "keysmaze3",
    "ksandf1", "ksandf2", "ksandf3", "ksandf4", "keysanswer1",  // the key-help lines
};

class MenuHandlers : public FrameTest {
protected:
    std::set<std::string> parents() const {
        std::set<std::string> names;
        for (const MenuItem& m : form.ui.menus())
            if (!m.parent.empty()) names.insert(m.parent);
        return names;
    }

    void collectEnabled(std::set<std::string>& into) const {
        for (const MenuItem& m : form.ui.menus())
            if (m.enabled) into.insert(m.name);
    }

    // Every item the menu sets may enable, over the modes and settings they test.
    std::set<std::string> offeredItems() {
        std::set<std::string> offered;
        collectEnabled(offered);  // the states at creation
        void (Form57::*const sets[])() = {
            &Form57::leavetitlemenus,         &Form57::drawingentrymenus,     &Form57::drawingloopstartmenus,
            &Form57::drawingpassmenus,        &Form57::drawingpassaftermenus, &Form57::drawingstageendmenus,
            &Form57::makingentrymenus,        &Form57::makingentrymenus2,     &Form57::makingpassmenus,
            &Form57::placingentrymenus,       &Form57::placingentrymenus2,    &Form57::placingpassmenus,
            &Form57::solveentrymenus,         &Form57::solvingpassmenus,      &Form57::printupkeepnorun,
            &Form57::printupkeepcountzero,    &Form57::panelclosedrestore,    &Form57::randomsizepanelclosedrestore,
            &Form57::patternsetpanelclosedrestore, &Form57::examplerestore, &Form57::exitpatternrestore,
            &Form57::editorstartmenus,        &Form57::editorendmenus,        &Form57::quit2_Click,
        };
        for (auto menuSet : sets)
            for (long mode = -1; mode <= 4; ++mode)
                for (long kind = 0; kind <= 2; ++kind) {
                    for (const MenuItem& m : std::vector<MenuItem>(form.ui.menus())) form.ui.setEnabled(m.name, false);
                    form.programmode = mode;
                    form.patternmenumode = mode;
                    form.mazekind = kind;
                    form.exampledrawing = kind + 2;
                    form.picturedrawing = 1;
                    form.mazemerged = 1;
                    form.nrefreshsaved = 1;
                    form.nrefreshallowed = 1;
                    form.paused = 0;
                    form.panelopen = 0;
                    form.editedpattern = 0;
                    form.commandtaken = 0;
                    (form.*menuSet)();
                    collectEnabled(offered);
                }
        return offered;
    }
};

TEST_F(MenuHandlers, EveryOfferedItemRunsACommand) {
    const std::set<std::string> submenus = parents();
    const std::set<std::string> offered = offeredItems();
    EXPECT_TRUE(offered.count("resetpatterns") && offered.count("savepatterns") && offered.count("resetpattern"))
        << "the sweep reaches the stages that offer the pattern items";
    for (const std::string& item : offered) {
        if (submenus.count(item) || noCommand.count(item)) continue;
        EXPECT_TRUE(form.menuHandlers.count(item))
            << "\"" << form.ui.menu(item).caption << "\" (" << item << ") is offered but has no handler";
    }
}

TEST_F(MenuHandlers, EveryHandlerBelongsToAnItemWithACommand) {
    const std::set<std::string> submenus = parents();
    for (const auto& [item, handler] : form.menuHandlers) {
        EXPECT_TRUE(form.ui.hasMenu(item)) << item;
        EXPECT_FALSE(submenus.count(item) || noCommand.count(item)) << item;
    }
}

}  // namespace
}  // namespace tarnwick::test
