#include "platform/qt/window_mirror.h"

#include <cmath>

#include "platform/qt/main_window.h"

namespace tarnwick {

namespace {

constexpr double twipsPerPixel = 15;

int pixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

WindowState stateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return WindowState::Minimized;
    if (states & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

}  // namespace

WindowMirror::WindowMirror(MainWindow& window, ProgramLink link)
    : window_(window), link_(link), shown_(link.ui.window()) {
    // The window opens at its own size (drawing surface plus menu bar); only the
    // program's later changes of geometry move it.
    shown_.caption.clear();
    window_.setWindowTitle(QString());
    shown_.state = stateOf(window_.windowState());
    window_.onStateChanged = [this](Qt::WindowStates states) { userChangedState(states); };
}

void WindowMirror::apply() {
    const WindowProperties& w = link_.ui.window();
    if (w.caption != shown_.caption) window_.setWindowTitle(QString::fromStdString(w.caption));
    if (w.state != shown_.state) {
        shown_.state = w.state;  // before showing: the state change reports back at once
        switch (w.state) {
        case WindowState::Normal: window_.showNormal(); break;
        case WindowState::Minimized: window_.showMinimized(); break;
        case WindowState::Maximized: window_.showMaximized(); break;
        }
    }
    const bool moved = w.left != shown_.left || w.top != shown_.top;
    const bool sized = w.width != shown_.width || w.height != shown_.height;
    if (w.state == WindowState::Normal && moved) window_.move(pixels(w.left), pixels(w.top));
    if (w.state == WindowState::Normal && sized) window_.resize(pixels(w.width), pixels(w.height));
    if (w.focusRequests != shown_.focusRequests) window_.activateWindow();
    if (w.frontRequests != shown_.frontRequests) window_.raise();
    const WindowState state = shown_.state;
    shown_ = w;
    shown_.state = state;
}

void WindowMirror::userChangedState(Qt::WindowStates states) {
    const WindowState now = stateOf(states);
    if (now == shown_.state) return;
    const WindowState before = shown_.state;
    shown_.state = now;
    link_.queue.push([ui = &link_.ui, before, now] {
        // A state the program asked for since then wins over the user's.
        if (ui->window().state == before) ui->setWindowState(now);
    });
}

}  // namespace tarnwick
