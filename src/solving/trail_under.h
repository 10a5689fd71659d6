#pragma once
#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "core/canvas.h"
#include "solving/pixel_colours.h"

namespace tarnwick {

// What the pixels under the solution trail held before the trail covered them,
// so that a wipe puts each one back as it was: a trail crosses grid-line pixels
// whose colour need not be either cell's (the lines at a long underpass's ends).
// The pixels the trail turned from wall into path are kept apart: while one is
// open the walker does not walk the maze it walked before.
class TrailUnder {
public:
    using Key = std::uint64_t;

    void clear() {
        under_.clear();
        opened_.clear();
        openedId_ = 0;
    }

    // Paints the box (corners in any order) in the trail colour; `isWall` tells
    // a colour the walker cannot enter.
    template <class IsWall>
    void draw(Canvas& canvas, long x1, long y1, long x2, long y2, long trail, IsWall&& isWall) {
        visit(x1, y1, x2, y2, [&](long x, long y) {
            const long held = canvas.point(x, y);
            if (held == -1 || held == trail) return;
            under_.set(key(x, y), held);
            if (isWall(held)) open(key(x, y));
            else close(key(x, y));
        });
        canvas.fillBox(x1, y1, x2, y2, trail);
    }

    // Puts back what the trail covered in the box; the other pixels keep theirs.
    void wipe(Canvas& canvas, long x1, long y1, long x2, long y2) {
        if (under_.empty()) return;
        visit(x1, y1, x2, y2, [&](long x, long y) {
            const auto held = under_.take(key(x, y));
            if (!held) return;
            canvas.pset(x, y, *held);
            close(key(x, y));
        });
    }

    // Which set of walls the trail holds open now: the same number for the same
    // set, 0 for none, for as long as this object lives.
    std::uint64_t openedWalls() const { return openedId_; }

private:
    static Key key(long x, long y) {
        return static_cast<Key>(static_cast<std::uint32_t>(y)) << 32 | static_cast<std::uint32_t>(x);
    }
    template <class Visit>
    static void visit(long x1, long y1, long x2, long y2, Visit&& at) {
        for (long y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
            for (long x = std::min(x1, x2); x <= std::max(x1, x2); ++x) at(x, y);
    }
    void open(Key k) {
        const auto at = std::lower_bound(opened_.begin(), opened_.end(), k);
        if (at != opened_.end() && *at == k) return;
        opened_.insert(at, k);
        renumber();
    }
    void close(Key k) {
        const auto at = std::lower_bound(opened_.begin(), opened_.end(), k);
        if (at == opened_.end() || *at != k) return;
        opened_.erase(at);
        renumber();
    }
    void renumber() {
        if (opened_.empty()) {
            openedId_ = 0;
            return;
        }
        openedId_ = ids_.try_emplace(opened_, ids_.size() + 1).first->second;
    }

    PixelColours under_;
    std::vector<Key> opened_;  // ascending
    std::uint64_t openedId_ = 0;
    std::map<std::vector<Key>, std::uint64_t> ids_;
};

}  // namespace tarnwick
