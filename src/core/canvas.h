#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "core/picture.h"

namespace tarnwick {

// No screen shows a larger surface, and the canvas keeps about ten bytes a pixel:
// sizes past these would cost gigabytes for nothing anyone can see.
inline constexpr int largestSurfaceSide = 8192;
inline constexpr long long largestSurfacePixels = 8192LL * 4608;

// The window's drawing surface. Three things make up the persistent image: the
// background colour, the background picture (top-left, unscaled) and what was
// painted; above it lies the screen-only layer, which a persistent write at the
// same pixel replaces. A pixel read sees whichever layer was written last.
// Every write is clipped; reads outside the surface give -1.
class Canvas {
public:
    explicit Canvas(int width = 800, int height = 600);

    int width() const { return width_; }
    int height() const { return height_; }

    // Keeps the content at the top-left; new area shows the background. The pixels
    // never drop: what a smaller window hides comes back when it grows again. A size
    // of zero or less (a minimized window) is ignored so the readable surface stays.
    // The surface never grows past the size limit.
    void resize(int width, int height);

    // What the screens can show; the platform sets it, within the largest surface.
    void setSizeLimit(int width, int height);
    int widthLimit() const { return widthLimit_; }
    int heightLimit() const { return heightLimit_; }

    long point(long x, long y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
        const std::size_t i = index(x, y);
        return static_cast<long>(screenUsed_ && screenMask_[i] ? screen_[i] : image_[i]);
    }

    // Calls `visit` with the colour of every `stride`-th pixel of the box x1..x2,
    // y1..y2 (as point() reads it), row by row from the top, until it returns false.
    // True when it never did. Scans inside the surface read the rows directly.
    template <class Visit>
    bool everyPixel(long x1, long y1, long x2, long y2, long stride, Visit&& visit) const {
        if (x1 >= 0 && y1 >= 0 && x2 < width_ && y2 < height_ && !screenUsed_ && stride > 0) {
            for (long y = y1; y <= y2; y += stride) {
                const std::uint32_t* row = image_.data() + index(0, y);
                for (long x = x1; x <= x2; x += stride)
                    if (!visit(static_cast<long>(row[x]))) return false;
            }
            return true;
        }
        for (long y = y1; y <= y2; y += stride)
            for (long x = x1; x <= x2; x += stride)
                if (!visit(point(x, y))) return false;
        return true;
    }

    // Drawing target: false paints the persistent image, true the screen layer only.
    void setScreenOnly(bool screenOnly) { screenOnly_ = screenOnly; }
    bool screenOnly() const { return screenOnly_; }

    void fillBox(long x1, long y1, long x2, long y2, long colour);  // corners in any order, both included
    void box(long x1, long y1, long x2, long y2, long colour);      // outline
    void line(long x1, long y1, long x2, long y2, long colour);     // last point not painted
    void pset(long x, long y, long colour);

    void clearScreenLayer();

    // Setting the background colour clears what was painted; the background picture stays.
    void setBackColour(long colour);
    long backColour() const { return backColour_; }

    // Setting the background picture clears what was painted; removing it keeps the painting.
    void setBackPicture(const Picture& picture);
    void removeBackPicture();
    bool hasBackPicture() const { return backPicture_.has_value(); }

    // Paints a picture 1:1 with its top-left corner at (x, y), into the current target.
    void paintPicture(const Picture& picture, long x, long y);

    // The persistent image (background, picture and painting, no screen layer).
    Picture image() const;

    // What the window shows: persistent image with the screen layer on top.
    std::uint32_t shown(int x, int y) const {
        const std::size_t i = index(x, y);
        return screenUsed_ && screenMask_[i] ? screen_[i] : image_[i];
    }

    // Pixels x1..x2 of row y as shown(), each put through `convert` into `out`: how
    // a display takes a changed area in its own pixel format, in one pass.
    template <class Convert>
    void readShown(int y, int x1, int x2, std::uint32_t* out, Convert convert) const {
        const std::size_t from = index(x1, y), count = static_cast<std::size_t>(x2 - x1 + 1);
        const std::uint32_t* image = image_.data() + from;
        if (!screenUsed_) {
            for (std::size_t i = 0; i < count; ++i) out[i] = convert(image[i]);
            return;
        }
        const std::uint32_t* screen = screen_.data() + from;
        const std::uint8_t* mask = screenMask_.data() + from;
        for (std::size_t i = 0; i < count; ++i) out[i] = convert(mask[i] ? screen[i] : image[i]);
    }

    // Bumped on every change; the display repaints when it differs from what it showed.
    std::uint64_t version() const { return version_; }

    // What was written since the display last took it, so that the display
    // converts and repaints only that: the box of the changes in each band of
    // rows (corners included), so that changes far apart do not bring in the
    // whole surface between them.
    struct Area {
        int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
        bool empty() const { return x2 < x1 || y2 < y1; }
    };
    static constexpr int changeBandRows = 32;
    std::vector<Area> takeChangedAreas();

private:
    std::size_t index(long x, long y) const { return static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x); }
    std::uint32_t backgroundAt(int x, int y) const;
    void writePixel(std::size_t i, std::uint32_t colour);
    void rebuildUnpainted();
    void markChanged(long x1, long y1, long x2, long y2);  // within the surface
    void markAllChanged() { markChanged(0, 0, width_ - 1, height_ - 1); }

    int width_;   // the readable surface
    int height_;
    int stride_;  // the buffers: the largest surface so far
    int rows_;
    int widthLimit_ = largestSurfaceSide;
    int heightLimit_ = largestSurfaceSide;
    bool screenOnly_ = false;
    long backColour_ = 0;
    std::optional<Picture> backPicture_;
    Pixels image_;
    std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>> painted_;
    Pixels screen_;
    std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>> screenMask_;
    bool screenUsed_ = false;  // the screen layer may hold a pixel: reads look at it only then
    std::uint64_t version_ = 1;
    std::vector<Area> changedBands_;  // band k holds rows 32k to 32k + 31
};

}  // namespace tarnwick
