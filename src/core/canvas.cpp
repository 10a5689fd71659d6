#include "core/canvas.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace tarnwick {

namespace {

std::uint32_t toColour(long colour) { return static_cast<std::uint32_t>(colour) & 0xFFFFFFu; }

// Clamps an inclusive range [a, b] (in any order) to [0, size - 1]; false when nothing is left.
bool clipRange(long a, long b, int size, long& lo, long& hi) {
    lo = std::max(std::min(a, b), 0L);
    hi = std::min(std::max(a, b), static_cast<long>(size) - 1);
    return lo <= hi;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::clamp(width, 1, largestSurfaceSide)),
      height_(std::clamp(height, 1, static_cast<int>(std::min<long long>(largestSurfaceSide, largestSurfacePixels / width_)))),
      stride_(width_),
      rows_(height_) {
    const std::size_t n = static_cast<std::size_t>(width_) * height_;
    image_.assign(n, toColour(backColour_));
    painted_.assign(n, 0);
}

std::uint32_t Canvas::backgroundAt(int x, int y) const {
    if (backPicture_ && x < backPicture_->width && y < backPicture_->height)
        return backPicture_->at(x, y) & 0xFFFFFFu;
    return toColour(backColour_);
}

void Canvas::writePixel(std::size_t i, std::uint32_t colour) {
    if (screenOnly_) {
        if (screenMask_.empty()) {  // the screen layer's first pixel
            screen_.assign(image_.size(), 0);
            screenMask_.assign(image_.size(), 0);
        }
        screen_[i] = colour;
        screenMask_[i] = 1;
        screenUsed_ = true;
    } else {
        image_[i] = colour;
        painted_[i] = 1;
        if (screenUsed_) screenMask_[i] = 0;
    }
}

void Canvas::rebuildUnpainted() {
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < stride_; ++x) {
            const std::size_t i = index(x, y);
            if (!painted_[i]) image_[i] = backgroundAt(x, y);
        }
    markAllChanged();
    ++version_;
}

void Canvas::markChanged(long x1, long y1, long x2, long y2) {
    const std::size_t first = static_cast<std::size_t>(y1 / changeBandRows);
    const std::size_t last = static_cast<std::size_t>(y2 / changeBandRows);
    if (changedBands_.size() <= last) changedBands_.resize(last + 1);
    for (std::size_t band = first; band <= last; ++band) {
        const long top = std::max(y1, static_cast<long>(band) * changeBandRows);
        const long bottom = std::min(y2, static_cast<long>(band + 1) * changeBandRows - 1);
        Area& area = changedBands_[band];
        if (area.empty()) {
            area = {static_cast<int>(x1), static_cast<int>(top), static_cast<int>(x2), static_cast<int>(bottom)};
            continue;
        }
        area.x1 = std::min(area.x1, static_cast<int>(x1));
        area.y1 = std::min(area.y1, static_cast<int>(top));
        area.x2 = std::max(area.x2, static_cast<int>(x2));
        area.y2 = std::max(area.y2, static_cast<int>(bottom));
    }
}

std::vector<Canvas::Area> Canvas::takeChangedAreas() {
    std::vector<Area> areas;
    for (Area& band : changedBands_) {
        Area area = std::exchange(band, Area{});
        // A surface that shrank since may leave part of the box outside it.
        area.x2 = std::min(area.x2, width_ - 1);
        area.y2 = std::min(area.y2, height_ - 1);
        if (!area.empty()) areas.push_back(area);
    }
    return areas;
}

void Canvas::setSizeLimit(int width, int height) {
    widthLimit_ = std::clamp(width, 1, largestSurfaceSide);
    heightLimit_ = std::clamp(height, 1, largestSurfaceSide);
}

void Canvas::resize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    width = std::min(width, widthLimit_);
    height = std::min(height, heightLimit_);
    if (static_cast<long long>(width) * height > largestSurfacePixels)
        height = static_cast<int>(largestSurfacePixels / width);
    if (width == width_ && height == height_) return;
    if (width > stride_ || height > rows_) {
        const int stride = std::max(width, stride_), rows = std::max(height, rows_);
        const std::size_t n = static_cast<std::size_t>(stride) * rows;
        const auto grown = [&](const auto& old, auto fillOf) {
            std::remove_cvref_t<decltype(old)> now(n);
            for (int y = 0; y < rows; ++y) {
                auto row = now.begin() + static_cast<std::ptrdiff_t>(y) * stride;
                int x = 0;
                if (y < rows_) {
                    std::copy_n(old.begin() + static_cast<std::ptrdiff_t>(index(0, y)), stride_, row);
                    x = stride_;
                }
                for (; x < stride; ++x) row[x] = fillOf(x, y);
            }
            return now;
        };
        const auto zero = [](int, int) { return 0; };
        image_ = grown(image_, [this](int x, int y) { return backgroundAt(x, y); });
        painted_ = grown(painted_, zero);
        // The screen layer exists only once something was shown on it.
        if (!screenMask_.empty()) {
            screen_ = grown(screen_, zero);
            screenMask_ = grown(screenMask_, zero);
        }
        stride_ = stride;
        rows_ = rows;
    }
    width_ = width;
    height_ = height;
    markAllChanged();
    ++version_;
}

void Canvas::fillBox(long x1, long y1, long x2, long y2, long colour) {
    long xl, xh, yl, yh;
    if (!clipRange(x1, x2, width_, xl, xh) || !clipRange(y1, y2, height_, yl, yh)) return;
    const std::uint32_t c = toColour(colour);
    for (long y = yl; y <= yh; ++y)
        for (long x = xl; x <= xh; ++x) writePixel(index(x, y), c);
    markChanged(xl, yl, xh, yh);
    ++version_;
}

void Canvas::box(long x1, long y1, long x2, long y2, long colour) {
    fillBox(x1, y1, x2, y1, colour);
    fillBox(x1, y2, x2, y2, colour);
    fillBox(x1, y1, x1, y2, colour);
    fillBox(x2, y1, x2, y2, colour);
}

void Canvas::line(long x1, long y1, long x2, long y2, long colour) {
    // Walks the major axis; the minor coordinate at step t is the exact value rounded
    // half up. Only the steps whose major coordinate lies on the surface are visited,
    // so a line with far-off ends costs no more than one across the window. Wide
    // arithmetic keeps differences and products of any two longs exact.
    using Wide = __int128;
    using UWide = unsigned __int128;
    const auto magnitude = [](Wide v) { return v < 0 ? -v : v; };
    const bool xMajor = magnitude(Wide{x2} - x1) >= magnitude(Wide{y2} - y1);
    const Wide a1 = xMajor ? x1 : y1, a2 = xMajor ? x2 : y2;
    const Wide b1 = xMajor ? y1 : x1, b2 = xMajor ? y2 : x2;
    const Wide steps = magnitude(a2 - a1);
    if (steps == 0) return;
    const Wide majorSize = xMajor ? width_ : height_, minorSize = xMajor ? height_ : width_;
    const int sa = a2 > a1 ? 1 : -1, sb = b2 >= b1 ? 1 : -1;
    const UWide db = static_cast<UWide>(magnitude(b2 - b1));
    // Steps t in [0, steps) whose major coordinate a1 + sa*t lies in [0, majorSize).
    const Wide tLo = std::max<Wide>(0, sa > 0 ? -a1 : a1 - (majorSize - 1));
    const Wide tHi = std::min<Wide>(steps - 1, sa > 0 ? majorSize - 1 - a1 : a1);
    const std::uint32_t c = toColour(colour);
    bool wrote = false;
    long xl = width_, yl = height_, xh = -1, yh = -1;
    for (Wide t = tLo; t <= tHi; ++t) {
        const UWide s = static_cast<UWide>(steps);
        const Wide offset = static_cast<Wide>((static_cast<UWide>(t) * db + s / 2) / s);
        const Wide b = b1 + sb * offset;
        if (b < 0 || b >= minorSize) continue;
        const Wide a = a1 + sa * t;
        const Wide x = xMajor ? a : b, y = xMajor ? b : a;
        writePixel(index(static_cast<long>(x), static_cast<long>(y)), c);
        xl = std::min(xl, static_cast<long>(x)), xh = std::max(xh, static_cast<long>(x));
        yl = std::min(yl, static_cast<long>(y)), yh = std::max(yh, static_cast<long>(y));
        wrote = true;
    }
    if (!wrote) return;
    markChanged(xl, yl, xh, yh);
    ++version_;
}

void Canvas::pset(long x, long y, long colour) { fillBox(x, y, x, y, colour); }

void Canvas::clearScreenLayer() {
    if (!screenUsed_) return;
    std::fill(screenMask_.begin(), screenMask_.end(), 0);
    screenUsed_ = false;
    markAllChanged();
    ++version_;
}

// A new background repaints the window, which also wipes the screen layer.
void Canvas::setBackColour(long colour) {
    backColour_ = toColour(colour);
    std::fill(painted_.begin(), painted_.end(), 0);
    clearScreenLayer();
    rebuildUnpainted();
}

void Canvas::setBackPicture(const Picture& picture) {
    backPicture_ = picture;
    std::fill(painted_.begin(), painted_.end(), 0);
    clearScreenLayer();
    rebuildUnpainted();
}

void Canvas::removeBackPicture() {
    if (!backPicture_) return;
    backPicture_.reset();
    clearScreenLayer();
    rebuildUnpainted();
}

void Canvas::paintPicture(const Picture& picture, long x, long y) {
    if (picture.empty() || x >= width_ || y >= height_) return;
    long xl, xh, yl, yh;
    if (!clipRange(x, x + picture.width - 1, width_, xl, xh) ||
        !clipRange(y, y + picture.height - 1, height_, yl, yh))
        return;
    for (long py = yl; py <= yh; ++py)
        for (long px = xl; px <= xh; ++px)
            writePixel(index(px, py),
                       picture.at(static_cast<int>(px - x), static_cast<int>(py - y)) & 0xFFFFFFu);
    markChanged(xl, yl, xh, yh);
    ++version_;
}

// Rows appended to a reserved buffer: a snapshot costs one pass over the pixels, not a fill and a copy.
Picture Canvas::image() const {
    Picture picture;
    picture.width = width_;
    picture.height = height_;
    picture.pixels.reserve(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        const auto row = image_.begin() + static_cast<std::ptrdiff_t>(index(0, y));
        picture.pixels.insert(picture.pixels.end(), row, row + width_);
    }
    return picture;
}

}  // namespace tarnwick
