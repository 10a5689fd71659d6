#pragma once
#include <QImage>
#include <QWidget>

#include <functional>

namespace tarnwick {

class Canvas;

// The drawing surface: shows the last frame taken from the canvas, and reports
// its own size and mouse presses. Controls are placed on it as children.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // Takes what changed in the canvas into the frame and schedules its painting.
    void takeFrame(Canvas& canvas);

    std::function<void(int button)> onMouseDown;        // 1 left, 2 right, 4 middle
    std::function<void()> onResized;

    QSize sizeHint() const override { return {800, 600}; }

    // The largest canvas worth keeping: all screens together, and at least a 4K
    // screen, so that a window somewhat larger than a small screen keeps its
    // whole canvas. A larger window shows the background colour beyond it.
    static QSize surfaceLimit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage frame_;
    QColor margin_;  // beyond the frame while a resize is on its way to the canvas
};

}  // namespace tarnwick
