#include "underpasses/crossing_fixture.h"

#include <algorithm>

namespace tarnwick::test {

CrossingTest::CrossingTest() {
    form.startcolor = startColour;
    form.finishcolor = finishColour;
    form.playoption = 0;
    form.notrail = 0;
    form.endpointoption = 0;
    form.finishfound = 0;
    form.markx = form.marky = -1;
    form.underpasslock = 0;
    form.passagecolor = blackPassage;
}

void CrossingTest::walkerAt(Cell c, long dx, long dy) {
    setCurrentCell(form, box(c));
    setPreviousCell(form, box(c));
    form.stepx = dx, form.stepy = dy;
    probeOnEdge(dx, dy);
}

void CrossingTest::probeOnEdge(long dx, long dy) {
    form.probex = dx < 0 ? form.cellx1 : dx > 0 ? form.cellx2 : form.cellx1;
    form.probey = dy < 0 ? form.celly1 : dy > 0 ? form.celly2 : form.celly1;
}

Pixels CrossingTest::trail() const {
    Pixels pixels;
    for (long y = 0; y < form.canvas.height(); ++y)
        for (long x = 0; x < form.canvas.width(); ++x)
            if (form.canvas.point(x, y) == startColour) pixels.insert({x, y});
    return pixels;
}

Pixels CrossingTest::segment(long x1, long y1, long x2, long y2) {
    Pixels pixels;
    for (long y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
        for (long x = std::min(x1, x2); x <= std::max(x1, x2); ++x) pixels.insert({x, y});
    return pixels;
}

void CrossingTest::expectUnchangedBut(const Picture& before, const Pixels& changed) const {
    for (long y = 0; y < form.canvas.height(); ++y)
        for (long x = 0; x < form.canvas.width(); ++x) {
            if (changed.count({x, y})) continue;
            ASSERT_EQ(form.canvas.point(x, y), static_cast<long>(before.at(static_cast<int>(x), static_cast<int>(y)))) << "at (" << x << ", " << y << ")";
        }
}

Pixels operator|(Pixels a, const Pixels& b) {
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace tarnwick::test
