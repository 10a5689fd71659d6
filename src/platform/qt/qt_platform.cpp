#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTime>
#include <QTimer>
#include <QWindow>

#include "core/canvas.h"
#include "core/ui.h"
#include "platform/file_list.h"
#include "platform/picture_files.h"
#include "platform/qt/canvas_view.h"
#include "platform/qt/control_mirror.h"
#include "platform/qt/key_router.h"
#include "platform/qt/main_window.h"
#include "platform/qt/menu_mirror.h"
#include "platform/qt/printing.h"
#include "platform/qt/timer_mirror.h"
#include "platform/qt/window_mirror.h"

namespace tarnwick {

namespace {
// A frame costs far more than a step of the program: show at most this many a second.
constexpr auto frameInterval = std::chrono::microseconds(1'000'000 / 60);
// Asking Qt for its events costs more than a whole step of most loops; half a
// millisecond's delay is far below anything a user notices.
constexpr auto pumpInterval = std::chrono::microseconds(500);
// How long a message box waits for its window to come on the screen.
constexpr auto exposeWait = std::chrono::seconds(2);

QtMessageHandler qtsOwnHandler = nullptr;

// Qt's offscreen platform, where the tests and the benchmarks show the window,
// says at every change of the window that it passes no size hints on, and at
// every raise that it cannot raise; the window relies on neither there, and the
// notices would bury what the tests and benchmarks print.
void withoutUnsupportedNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support "))) return;
    if (qtsOwnHandler) qtsOwnHandler(type, context, message);
}

void leaveOutUnsupportedNotices() {
    static const bool installed = [] {
        qtsOwnHandler = qInstallMessageHandler(withoutUnsupportedNotices);
        return true;
    }();
    (void)installed;
}
}  // namespace

QtPlatform::QtPlatform(QApplication& app)
    : app_(app), window_(std::make_unique<MainWindow>()), pumpTicker_(pumpInterval) {
    leaveOutUnsupportedNotices();
    window_->onClose = [this] { requestEnd(); };
}

QtPlatform::~QtPlatform() {
    if (keys_) app_.removeEventFilter(keys_.get());
    // The window outlives the mirrors and the queue that its handlers feed.
    window_->onClose = nullptr;
    window_->onStateChanged = nullptr;
    window_->surface().onMouseDown = nullptr;
    window_->surface().onResized = nullptr;
}

QMainWindow& QtPlatform::window() { return *window_; }
QWidget& QtPlatform::surface() { return window_->surface(); }

void QtPlatform::attach(Canvas& canvas, Ui& ui, EventSink& sink) {
    canvas_ = &canvas;
    ui_ = &ui;
    const ProgramLink link{ui, sink, queue_};
    menus_ = std::make_unique<MenuMirror>(*window_, link);
    controls_ = std::make_unique<ControlMirror>(window_->surface(), link);
    timers_ = std::make_unique<TimerMirror>(link);
    windowProperties_ = std::make_unique<WindowMirror>(*window_, link);
    keys_ = std::make_unique<KeyRouter>(*window_, link);
    app_.installEventFilter(keys_.get());

    CanvasView& view = window_->surface();
    view.onMouseDown = [this, &sink](int button) { queue_.push([&sink, button] { sink.mouseDown(button); }); };
    view.onResized = [this] { queueCanvasResize(); };
    showModel();  // menus built so far appear with the window
    window_->show();
    queueCanvasResize();  // the surface may have had its size before the hook was set
}

void QtPlatform::queueCanvasResize() {
    // Dragging a window edge resizes many times a pass: the canvas takes the last size once.
    if (canvasResizeQueued_) return;
    canvasResizeQueued_ = true;
    queue_.push([this] {
        canvasResizeQueued_ = false;
        const CanvasView& view = window_->surface();
        const QSize limit = CanvasView::surfaceLimit();
        canvas_->setSizeLimit(limit.width(), limit.height());
        canvas_->resize(view.width(), view.height());
    });
}

void QtPlatform::processEvents() {
    // Between pumps nothing can have queued an event: Qt's handlers run only in one.
    const bool pump = pumpTicker_.due();
    if (pump) QCoreApplication::processEvents();
    deliver();
    if (pump) showCanvas(false, Clock::now());
}

void QtPlatform::waitForEvents() {
    pumpTicker_.stop();
    while (queue_.empty() && !endRequested_) {
        showModel();
        showCanvas(true, Clock::now());  // the program now waits: show its last frame
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    deliver();
    showCanvas(false, Clock::now());
}

void QtPlatform::deliver() {
    if (!queue_.empty()) queue_.deliver();
    showModel();
}

void QtPlatform::showModel() {
    if (!ui_ || ui_->version() == shownUiVersion_) return;
    shownUiVersion_ = ui_->version();
    menus_->apply();
    controls_->apply();
    timers_->apply();
    windowProperties_->apply();
}

void QtPlatform::showCanvas(bool evenIfEarly, Clock::time_point now) {
    if (!canvas_ || canvas_->version() == shownCanvasVersion_) return;
    if (!evenIfEarly && now - lastFrame_ < frameInterval) return;
    window_->surface().takeFrame(*canvas_);
    shownCanvasVersion_ = canvas_->version();
    lastFrame_ = now;
}

void QtPlatform::messageBox(const std::string& text) {
    showWindowForBox();
    // The box's own loop takes the window's events while it waits for the user:
    // the ticker, which would wake every pump interval for nobody, sleeps until
    // the program asks again.
    pumpTicker_.stop();
    // Modal: what happens meanwhile waits in the queue for the program.
    QMessageBox box(QMessageBox::NoIcon, window_->windowTitle(), QString::fromStdString(text), QMessageBox::Ok,
                    window_.get());
    box.exec();
}

// A box belongs in front of its window. The state, caption and front request
// the program set since its last pass, and its last frame, reach the window
// first; a window still minimized comes back as it was before; and the box waits
// until the window system has put the window on the screen, or gives up after a
// while on one that never says so.
void QtPlatform::showWindowForBox() {
    showModel();
    showCanvas(true, Clock::now());
    if (window_->isMinimized()) window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    if (!window_->isVisible()) return;  // not attached yet: the box stands alone
    QWindow* handle = window_->windowHandle();
    QTimer giveUp;
    giveUp.setSingleShot(true);
    giveUp.start(exposeWait);
    while (handle && !handle->isExposed() && giveUp.isActive() && !endRequested_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

PrintResult QtPlatform::printPage(const Picture& page) { return printPicture(page); }

bool QtPlatform::savePicture(const Picture& picture, const std::string& fileName) {
    return savePictureFile(picture, fileName);
}

std::optional<Picture> QtPlatform::loadPicture(const std::string& fileName) { return loadPictureFile(fileName); }

std::vector<std::string> QtPlatform::listFiles(const std::string& filter) { return tarnwick::listFiles(filter); }

double QtPlatform::clock() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace tarnwick
