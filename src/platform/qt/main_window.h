#pragma once
#include <QMainWindow>

#include <functional>

namespace tarnwick {

class CanvasView;

// The program's one window: a menu bar inside the window (never the desktop's
// global one, whose items the program could not hide or grey the same way) over
// the drawing surface.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    CanvasView& surface() { return *surface_; }
    // Replaces the menu bar; the old one and its menus go with it. Not for a
    // handler of the bar itself.
    QMenuBar* freshMenuBar();

    std::function<void()> onClose;
    std::function<void(Qt::WindowStates)> onStateChanged;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CanvasView* surface_;
};

}  // namespace tarnwick
