#include "platform/qt/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "platform/qt/canvas_view.h"

namespace tarnwick {

MainWindow::MainWindow() : surface_(new CanvasView(this)) {
    setCentralWidget(surface_);
    QMenuBar* bar = freshMenuBar();
    // The bar is empty until the program builds its menus: measure it with one title.
    QAction* probe = bar->addAction(QStringLiteral("Options"));
    const int barHeight = bar->sizeHint().height();
    bar->removeAction(probe);
    delete probe;
    const QSize area = surface_->sizeHint();
    resize(area.width(), area.height() + barHeight);
}

QMenuBar* MainWindow::freshMenuBar() {
    QMenuBar* old = menuWidget() ? menuBar() : nullptr;
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    delete old;  // now, not later: the program never runs Qt's own event loop
    return bar;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose) onClose();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && onStateChanged) onStateChanged(windowState());
}

}  // namespace tarnwick
