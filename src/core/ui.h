#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnwick {

// Menus, controls, timers and the window's own properties held as data. The
// logic changes them; a platform mirrors them whenever `version()` moved on, and
// reports clicks back by name. Setters bump the version only on a real change,
// so loops may set states on every pass for free.

struct MenuItem {
    std::string name;
    std::string parent;  // empty for a title of the menu bar
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
};

// An item's place among the menus: looked up once by name, then used by loops
// that set states every pass without a name lookup each time.
struct MenuId {
    std::size_t index = 0;
};

enum class ControlKind { Button, CheckBox, Label, EntryBox, FileList };

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Button;
    std::string caption;  // buttons, check boxes, labels
    std::string text;     // entry boxes
    std::size_t maxLength = 0;  // entry boxes: the most characters typing may give; 0 no limit
    int value = 0;        // check boxes: 0 unticked, 1 ticked, 2 greyed
    long backColour = -1; // -1: the platform's own
    bool enabled = true;
    bool visible = true;
    int left = 0, top = 0, width = 100, height = 25;  // pixels
    std::string filter;   // file lists, e.g. "*.maze"
    std::uint64_t refreshCount = 0;  // file lists: bumped to make them read the directory again
};

struct Timer {
    std::string name;
    long interval = 0;  // milliseconds
    bool enabled = false;
    std::uint64_t restartCount = 0;  // bumped when a change starts the count anew
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

struct WindowProperties {
    std::string caption;
    WindowState state = WindowState::Normal;
    // Position and size in twips (15 twips a pixel); refused while not Normal.
    double left = 0, top = 0, width = 12000, height = 9000;
    std::uint64_t focusRequests = 0;
    std::uint64_t frontRequests = 0;
};

class Ui {
public:
    // Building the menu bar and the controls.
    MenuItem& addMenu(std::string name, std::string parent, std::string caption);
    Control& addControl(std::string name, ControlKind kind, std::string caption = {});
    Timer& addTimer(std::string name);

    bool hasMenu(std::string_view name) const;
    const MenuItem& menu(std::string_view name) const;
    MenuId menuId(std::string_view name) const;  // throws for an unknown name
    const MenuItem& menu(MenuId id) const { return menus_[id.index]; }
    const std::vector<MenuItem>& menus() const { return menus_; }  // in creation order
    // A click runs only when the item and every item above it are enabled and visible.
    bool menuAvailable(std::string_view name) const;
    // The item reached by following captions from the menu bar, or nullptr.
    const MenuItem* findMenuByCaptions(const std::vector<std::string>& captions) const;

    void setCaption(std::string_view menu, std::string_view caption);
    void setChecked(std::string_view menu, bool checked);
    void setEnabled(std::string_view menu, bool enabled);
    void setVisible(std::string_view menu, bool visible);
    void setChecked(MenuId menu, bool checked);
    void setEnabled(MenuId menu, bool enabled);
    void setVisible(MenuId menu, bool visible);

    bool hasControl(std::string_view name) const;
    const Control& control(std::string_view name) const;
    const std::vector<Control>& controls() const { return controls_; }
    void setControlCaption(std::string_view name, std::string_view caption);
    void setControlText(std::string_view name, std::string_view text);
    void setControlMaxLength(std::string_view name, std::size_t maxLength);
    void setControlValue(std::string_view name, int value);
    void setControlBackColour(std::string_view name, long colour);
    void setControlEnabled(std::string_view name, bool enabled);
    void setControlVisible(std::string_view name, bool visible);
    void setControlGeometry(std::string_view name, int left, int top, int width, int height);
    void setFileListFilter(std::string_view name, std::string_view filter);
    void refreshFileList(std::string_view name);
    // Keyboard focus: the entry box that has it, or empty for the window.
    void setFocus(std::string_view control);
    const std::string& focus() const { return focus_; }

    const Timer& timer(std::string_view name) const;
    const std::vector<Timer>& timers() const { return timers_; }
    void setTimerInterval(std::string_view name, long interval);
    void setTimerEnabled(std::string_view name, bool enabled);

    const WindowProperties& window() const { return window_; }
    void setWindowCaption(std::string_view caption);
    void setWindowState(WindowState state);
    // Refused (returns false, nothing changes) while the window is minimized or maximized.
    bool setWindowGeometry(double left, double top, double width, double height);
    void requestFocus();
    void bringToFront();

    std::uint64_t version() const { return version_; }

private:
    // Name lookups without a temporary string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>>;

    MenuItem& menuRef(std::string_view name);
    Control& controlRef(std::string_view name);
    Timer& timerRef(std::string_view name);

    std::vector<MenuItem> menus_;
    NameIndex menuIndex_;
    std::vector<Control> controls_;
    NameIndex controlIndex_;
    std::vector<Timer> timers_;
    WindowProperties window_;
    std::string focus_;
    std::uint64_t version_ = 1;
};

}  // namespace tarnwick
