#include "support/pixel_art.h"

#include <algorithm>

namespace tarnwick::test {

const Legend& defaultLegend() {
    static const Legend legend = {
        {'.', 0xFFFFFF}, {'#', 0x000000}, {'r', 0x0000FF}, {'g', 0x008000},
        {'b', 0xFF0000}, {'y', 0x00FFFF}, {'m', 0xFF00FF},
    };
    return legend;
}

void paintArt(Canvas& canvas, long x0, long y0, const Art& art, const Legend& legend) {
    for (std::size_t row = 0; row < art.size(); ++row)
        for (std::size_t col = 0; col < art[row].size(); ++col) {
            const auto it = legend.find(art[row][col]);
            if (it != legend.end())
                canvas.pset(x0 + static_cast<long>(col), y0 + static_cast<long>(row), it->second);
        }
}

namespace {

template <class ColourAt>
Art artOfColours(int w, int h, const Legend& legend, ColourAt colourAt) {
    Art art(static_cast<std::size_t>(std::max(h, 0)), std::string(static_cast<std::size_t>(std::max(w, 0)), '?'));
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) {
            const long colour = colourAt(col, row);
            for (const auto& [c, value] : legend)
                if (value == colour) {
                    art[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = c;
                    break;
                }
        }
    return art;
}

}  // namespace

Art artOf(const Canvas& canvas, long x0, long y0, int w, int h, const Legend& legend) {
    return artOfColours(w, h, legend, [&](int col, int row) { return canvas.point(x0 + col, y0 + row); });
}

Art artOf(const Picture& picture, const Legend& legend) {
    return artOfColours(picture.width, picture.height, legend,
                        [&](int col, int row) { return static_cast<long>(picture.at(col, row)); });
}

}  // namespace tarnwick::test
