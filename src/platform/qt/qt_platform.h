#pragma once
#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/platform.h"
#include "platform/qt/event_queue.h"
#include "platform/qt/pump_ticker.h"

class QApplication;
class QMainWindow;
class QWidget;

namespace tarnwick {

class CanvasView;
class ControlMirror;
class KeyRouter;
class MainWindow;
class MenuMirror;
class TimerMirror;
class WindowMirror;

// The real window. Qt's handlers only queue what happened; the program's events
// run when the program asks for them (processEvents, waitForEvents), and the
// window then shows the program's menus, controls and canvas as they are.
class QtPlatform : public Platform {
public:
    // Needs a QApplication that outlives it. The window shows once the program
    // is attached, so it never appears without the program's menus and controls.
    explicit QtPlatform(QApplication& app);
    ~QtPlatform() override;

    QMainWindow& window();
    QWidget& surface();  // the drawing surface, where the controls sit

    void attach(Canvas& canvas, Ui& ui, EventSink& sink) override;
    void processEvents() override;
    void waitForEvents() override;
    bool endRequested() const override { return endRequested_; }
    void requestEnd() override { endRequested_ = true; }

    void messageBox(const std::string& text) override;
    PrintResult printPage(const Picture& page) override;
    bool savePicture(const Picture& picture, const std::string& fileName) override;
    std::optional<Picture> loadPicture(const std::string& fileName) override;
    std::vector<std::string> listFiles(const std::string& filter) override;
    double clock() override;

private:
    using Clock = std::chrono::steady_clock;

    void queueCanvasResize();
    void deliver();
    void showModel();
    void showCanvas(bool evenIfEarly, Clock::time_point now);
    void showWindowForBox();

    QApplication& app_;
    std::unique_ptr<MainWindow> window_;
    EventQueue queue_;
    bool endRequested_ = false;
    bool canvasResizeQueued_ = false;

    Canvas* canvas_ = nullptr;
    Ui* ui_ = nullptr;
    std::unique_ptr<MenuMirror> menus_;
    std::unique_ptr<ControlMirror> controls_;
    std::unique_ptr<TimerMirror> timers_;
    std::unique_ptr<WindowMirror> windowProperties_;
    std::unique_ptr<KeyRouter> keys_;
    std::uint64_t shownUiVersion_ = 0;
    std::uint64_t shownCanvasVersion_ = 0;
    Clock::time_point lastFrame_{};
    PumpTicker pumpTicker_;
};

}  // namespace tarnwick
