#include "core/ui.h"

#include <stdexcept>

namespace tarnwick {

namespace {

// Assigns and reports whether the value really changed.
template <typename T, typename V>
bool assign(T& field, const V& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// Works for const and non-const item lists alike.
template <typename Items, typename Index>
auto& lookup(Items& items, const Index& index, std::string_view name, const char* what) {
    const auto it = index.find(name);
    if (it == index.end()) throw std::out_of_range(std::string("unknown ") + what + ": " + std::string(name));
    return items[it->second];
}

}  // namespace

MenuItem& Ui::addMenu(std::string name, std::string parent, std::string caption) {
    if (menuIndex_.count(name)) throw std::invalid_argument("menu item added twice: " + name);
    if (!parent.empty() && !menuIndex_.count(parent))
        throw std::out_of_range("unknown parent menu: " + parent);
    menuIndex_[name] = menus_.size();
    menus_.push_back(MenuItem{std::move(name), std::move(parent), std::move(caption)});
    ++version_;
    return menus_.back();
}

Control& Ui::addControl(std::string name, ControlKind kind, std::string caption) {
    if (controlIndex_.count(name)) throw std::invalid_argument("control added twice: " + name);
    controlIndex_[name] = controls_.size();
    Control control;
    control.name = std::move(name);
    control.kind = kind;
    control.caption = std::move(caption);
    controls_.push_back(std::move(control));
    ++version_;
    return controls_.back();
}

Timer& Ui::addTimer(std::string name) {
    for (const Timer& t : timers_)
        if (t.name == name) throw std::invalid_argument("timer added twice: " + name);
    timers_.push_back(Timer{std::move(name)});
    ++version_;
    return timers_.back();
}

MenuItem& Ui::menuRef(std::string_view name) { return lookup(menus_, menuIndex_, name, "menu item"); }
Control& Ui::controlRef(std::string_view name) { return lookup(controls_, controlIndex_, name, "control"); }

Timer& Ui::timerRef(std::string_view name) { return const_cast<Timer&>(timer(name)); }

bool Ui::hasMenu(std::string_view name) const { return menuIndex_.find(name) != menuIndex_.end(); }

const MenuItem& Ui::menu(std::string_view name) const { return lookup(menus_, menuIndex_, name, "menu item"); }

MenuId Ui::menuId(std::string_view name) const {
    return {static_cast<std::size_t>(&menu(name) - menus_.data())};
}

bool Ui::menuAvailable(std::string_view name) const {
    // Parents always exist before their children, so the walk ends at the menu bar.
    for (const MenuItem* item = &menu(name);; item = &menu(item->parent)) {
        if (!item->enabled || !item->visible) return false;
        if (item->parent.empty()) return true;
    }
}

const MenuItem* Ui::findMenuByCaptions(const std::vector<std::string>& captions) const {
    if (captions.empty()) return nullptr;
    std::string parent;
    const MenuItem* found = nullptr;
    for (const std::string& caption : captions) {
        found = nullptr;
        for (const MenuItem& item : menus_)
            if (item.parent == parent && item.caption == caption) {
                found = &item;
                break;
            }
        if (!found) return nullptr;
        parent = found->name;
    }
    return found;
}

void Ui::setCaption(std::string_view menu, std::string_view caption) {
    if (assign(menuRef(menu).caption, caption)) ++version_;
}
void Ui::setChecked(std::string_view menu, bool checked) { setChecked(menuId(menu), checked); }
void Ui::setEnabled(std::string_view menu, bool enabled) { setEnabled(menuId(menu), enabled); }
void Ui::setVisible(std::string_view menu, bool visible) { setVisible(menuId(menu), visible); }
void Ui::setChecked(MenuId menu, bool checked) {
    if (assign(menus_[menu.index].checked, checked)) ++version_;
}
void Ui::setEnabled(MenuId menu, bool enabled) {
    if (assign(menus_[menu.index].enabled, enabled)) ++version_;
}
void Ui::setVisible(MenuId menu, bool visible) {
    if (assign(menus_[menu.index].visible, visible)) ++version_;
}

bool Ui::hasControl(std::string_view name) const { return controlIndex_.find(name) != controlIndex_.end(); }

const Control& Ui::control(std::string_view name) const { return lookup(controls_, controlIndex_, name, "control"); }

void Ui::setControlCaption(std::string_view name, std::string_view caption) {
    if (assign(controlRef(name).caption, caption)) ++version_;
}
void Ui::setControlText(std::string_view name, std::string_view text) {
    if (assign(controlRef(name).text, text)) ++version_;
}
void Ui::setControlMaxLength(std::string_view name, std::size_t maxLength) {
    if (assign(controlRef(name).maxLength, maxLength)) ++version_;
}
void Ui::setControlValue(std::string_view name, int value) {
    Control& control = controlRef(name);
    if (value < 0 || value > 2) return;  // a check box has no other states
    if (assign(control.value, value)) ++version_;
}
void Ui::setControlBackColour(std::string_view name, long colour) {
    if (assign(controlRef(name).backColour, colour)) ++version_;
}
void Ui::setControlEnabled(std::string_view name, bool enabled) {
    if (assign(controlRef(name).enabled, enabled)) ++version_;
}
void Ui::setControlVisible(std::string_view name, bool visible) {
    if (assign(controlRef(name).visible, visible)) ++version_;
}
void Ui::setControlGeometry(std::string_view name, int left, int top, int width, int height) {
    Control& c = controlRef(name);
    bool changed = assign(c.left, left);
    changed |= assign(c.top, top);
    changed |= assign(c.width, width);
    changed |= assign(c.height, height);
    if (changed) ++version_;
}
void Ui::setFileListFilter(std::string_view name, std::string_view filter) {
    if (assign(controlRef(name).filter, filter)) ++version_;
}
void Ui::refreshFileList(std::string_view name) {
    ++controlRef(name).refreshCount;
    ++version_;
}

void Ui::setFocus(std::string_view control) {
    if (!control.empty()) controlRef(control);  // an unknown name is a mistake, not "the window"
    if (assign(focus_, control)) ++version_;
}

const Timer& Ui::timer(std::string_view name) const {
    for (const Timer& t : timers_)
        if (t.name == name) return t;
    throw std::out_of_range("unknown timer: " + std::string(name));
}

void Ui::setTimerInterval(std::string_view name, long interval) {
    Timer& t = timerRef(name);
    if (!assign(t.interval, interval)) return;
    ++t.restartCount;
    ++version_;
}

void Ui::setTimerEnabled(std::string_view name, bool enabled) {
    Timer& t = timerRef(name);
    if (!assign(t.enabled, enabled)) return;
    if (enabled) ++t.restartCount;
    ++version_;
}

void Ui::setWindowCaption(std::string_view caption) {
    if (assign(window_.caption, caption)) ++version_;
}

void Ui::setWindowState(WindowState state) {
    if (assign(window_.state, state)) ++version_;
}

bool Ui::setWindowGeometry(double left, double top, double width, double height) {
    if (window_.state != WindowState::Normal) return false;
    bool changed = assign(window_.left, left);
    changed |= assign(window_.top, top);
    changed |= assign(window_.width, width);
    changed |= assign(window_.height, height);
    if (changed) ++version_;
    return true;
}

void Ui::requestFocus() {
    ++window_.focusRequests;
    ++version_;
}

void Ui::bringToFront() {
    ++window_.frontRequests;
    ++version_;
}

}  // namespace tarnwick
