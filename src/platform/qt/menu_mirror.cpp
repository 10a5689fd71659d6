#include "platform/qt/menu_mirror.h"

#include <QMenuBar>

#include <unordered_map>

#include "platform/qt/main_window.h"

namespace tarnwick {

namespace {
bool sameLook(const MenuItem& a, const MenuItem& b) {
    return a.caption == b.caption && a.checked == b.checked && a.enabled == b.enabled && a.visible == b.visible;
}
}  // namespace

void MenuMirror::apply() {
    const auto& menus = link_.ui.menus();
    if (menus.size() != shown_.size()) rebuild();
    for (std::size_t i = 0; i < menus.size(); ++i) {
        if (actions_[i] && !sameLook(menus[i], shown_[i])) show(i);
    }
}

void MenuMirror::rebuild() {
    const auto& menus = link_.ui.menus();
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < menus.size(); ++i) index.emplace(menus[i].name, i);
    children_.assign(menus.size(), {});
    std::vector<std::size_t> titles;
    for (std::size_t i = 0; i < menus.size(); ++i) {
        if (menus[i].parent.empty()) {
            titles.push_back(i);
        } else if (auto parent = index.find(menus[i].parent); parent != index.end()) {
            children_[parent->second].push_back(i);
        }
    }
    actions_.assign(menus.size(), nullptr);
    shown_.assign(menus.size(), MenuItem{});
    QMenuBar* bar = window_.freshMenuBar();
    for (std::size_t title : titles) build(title, bar, nullptr);
    for (std::size_t i = 0; i < menus.size(); ++i) {
        if (actions_[i]) show(i);
    }
}

void MenuMirror::build(std::size_t index, QMenuBar* bar, QMenu* parent) {
    const MenuItem& item = link_.ui.menus()[index];
    const QString caption = literalCaption(item.caption);
    if (!children_[index].empty()) {
        QMenu* menu = bar ? bar->addMenu(caption) : parent->addMenu(caption);
        actions_[index] = menu->menuAction();
        for (std::size_t child : children_[index]) build(child, nullptr, menu);
    } else {
        actions_[index] = bar ? bar->addAction(caption) : parent->addAction(caption);
        QObject::connect(actions_[index], &QAction::triggered, bar ? static_cast<QObject*>(bar) : parent,
                         [this, index] { triggered(index); });
    }
    actions_[index]->setObjectName(QString::fromStdString(item.name));
}

void MenuMirror::show(std::size_t index) {
    const MenuItem& item = link_.ui.menus()[index];
    QAction* action = actions_[index];
    action->setText(literalCaption(item.caption));
    action->setSeparator(item.caption == "-" && children_[index].empty());
    // Only a ticked item is checkable, so an unticked one shows no empty box.
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
    shown_[index] = item;
}

void MenuMirror::triggered(std::size_t index) {
    // The tick is the program's: undo Qt's own toggle.
    actions_[index]->setChecked(shown_[index].checked);
    link_.queue.push([link = link_, name = shown_[index].name] {
        if (link.ui.hasMenu(name) && link.ui.menuAvailable(name)) link.sink.menuClick(name);
    });
}

}  // namespace tarnwick
