#pragma once
#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/canvas.h"

namespace tarnwick {

// What the pixels under the solution trail held before the trail covered them,
// so that a wipe puts each one back as it was: a trail crosses grid-line pixels
// whose colour need not be either cell's (the lines at a long underpass's ends).
// The pixels the trail turned from wall into path are listed apart: while one
// is open the walker does not walk the maze it walked before.
class TrailUnder {
public:
    using Key = std::uint64_t;

    void clear() {
        under_.clear();
        opened_.clear();
    }

    // Paints the box (corners in any order) in the trail colour; `isWall` tells
    // a colour the walker cannot enter.
    template <class IsWall>
    void draw(Canvas& canvas, long x1, long y1, long x2, long y2, long trail, IsWall&& isWall) {
        visit(x1, y1, x2, y2, [&](long x, long y) {
            const long held = canvas.point(x, y);
            if (held == -1 || held == trail) return;
            under_.insert_or_assign(key(x, y), held);
            if (isWall(held)) open(key(x, y));
            else close(key(x, y));
        });
        canvas.fillBox(x1, y1, x2, y2, trail);
    }

    // Puts back what the trail covered in the box; the other pixels keep theirs.
    void wipe(Canvas& canvas, long x1, long y1, long x2, long y2) {
        visit(x1, y1, x2, y2, [&](long x, long y) {
            const auto it = under_.find(key(x, y));
            if (it == under_.end()) return;
            canvas.pset(x, y, it->second);
            close(it->first);
            under_.erase(it);
        });
    }

    // The pixels now open that were wall before the trail, in ascending order.
    const std::vector<Key>& opened() const { return opened_; }

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
        if (at == opened_.end() || *at != k) opened_.insert(at, k);
    }
    void close(Key k) {
        const auto at = std::lower_bound(opened_.begin(), opened_.end(), k);
        if (at != opened_.end() && *at == k) opened_.erase(at);
    }

    std::unordered_map<Key, long> under_;
    std::vector<Key> opened_;
};

}  // namespace tarnwick
