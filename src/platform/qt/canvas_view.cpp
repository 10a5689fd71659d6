#include "platform/qt/canvas_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <vector>

#include "core/canvas.h"

namespace tarnwick {

CanvasView::CanvasView(QWidget* parent) : QWidget(parent) {
    // Focus comes only from the program: a click on the drawing must not take
    // the keys from an entry box the program has given them to.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The program sizes its buttons and labels for a small dialog font.
    QFont controlsFont = font();
    controlsFont.setPixelSize(10);
    setFont(controlsFont);
}

QSize CanvasView::surfaceLimit() {
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens()) all |= screen->geometry();
    return all.size().expandedTo(QSize(3840, 2160));
}

void CanvasView::takeFrame(Canvas& canvas) {
    const int width = canvas.width(), height = canvas.height();
    std::vector<Canvas::Area> areas = canvas.takeChangedAreas();
    if (frame_.width() != width || frame_.height() != height) {
        frame_ = QImage(width, height, QImage::Format_RGB32);
        areas = {{0, 0, width - 1, height - 1}};
    }
    for (const Canvas::Area& area : areas)
        for (int y = area.y1; y <= area.y2; ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(frame_.scanLine(y)) + area.x1;
            canvas.readShown(y, area.x1, area.x2, line, [](std::uint32_t c) { return 0xFF000000u | bgrToRgb(c); });
        }
    const QColor margin = QColor::fromRgb(0xFF000000u | bgrToRgb(static_cast<std::uint32_t>(canvas.backColour())));
    if (margin != margin_) {
        margin_ = margin;
        update();
        return;
    }
    for (const Canvas::Area& area : areas) update(QRect(QPoint(area.x1, area.y1), QPoint(area.x2, area.y2)));
}

// Only the rectangles asked for: the bands a frame changed lie apart.
void CanvasView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion dirty = event->region();
    const QRegion inside = dirty & QRegion(frame_.rect());
    for (const QRect& r : inside) painter.drawImage(r.topLeft(), frame_, r);
    for (const QRect& r : dirty - inside) painter.fillRect(r, margin_);
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    if (button && onMouseDown) onMouseDown(button);
}

void CanvasView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResized) onResized();
}

}  // namespace tarnwick
