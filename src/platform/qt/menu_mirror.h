#pragma once
#include <vector>

#include "platform/qt/program_link.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tarnwick {

class MainWindow;

// Shows the model's menus in the window's menu bar and reports clicks.
class MenuMirror {
public:
    MenuMirror(MainWindow& window, ProgramLink link) : window_(window), link_(link) {}

    void apply();

private:
    void rebuild();
    void build(std::size_t index, QMenuBar* bar, QMenu* parent);
    void show(std::size_t index);
    void triggered(std::size_t index);

    MainWindow& window_;
    ProgramLink link_;
    std::vector<QAction*> actions_;  // by the model's index
    std::vector<MenuItem> shown_;
    std::vector<std::vector<std::size_t>> children_;
};

}  // namespace tarnwick
