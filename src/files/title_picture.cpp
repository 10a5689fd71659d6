#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/example_pictures.h"
#include "files/picture_painter.h"

namespace tarnwick {

namespace {

// A 5 by 7 block font holding just the letters of the title.
struct Glyph {
    char letter;
    std::array<std::string_view, 7> rows;
};

constexpr std::array<Glyph, 14> font{{
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
}};

const Glyph* glyphOf(char letter) {
    for (const Glyph& g : font)
        if (g.letter == letter) return &g;
    return nullptr;  // a blank
}

// Writes a line of text centred on `centre`, each font dot a square of `scale` pixels.
void writeCentred(PicturePainter& paint, std::string_view text, int centre, int top, int scale, std::uint32_t c) {
    const int advance = 6 * scale;
    int x = centre - (static_cast<int>(text.size()) * advance - scale) / 2;
    for (char letter : text) {
        if (const Glyph* g = glyphOf(letter)) {
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row][col] == '#')
                        paint.fill(x + col * scale, top + row * scale, x + (col + 1) * scale - 1,
                                   top + (row + 1) * scale - 1, c);
        }
        x += advance;
    }
}

// A small maze carved by a depth-first walk with a fixed seed: the same motif every time.
void paintMazeMotif(PicturePainter& paint, int left, int top, int cols, int rows, int cell) {
    const int wall = std::max(cell / 5, 2);
    paint.fill(left, top, left + cols * cell + wall - 1, top + rows * cell + wall - 1, colour::navy);
    std::vector<bool> seen(static_cast<std::size_t>(cols) * rows, false);
    std::vector<int> stack{0};
    seen[0] = true;
    std::uint32_t seed = 12345;
    auto carve = [&](int c, int r) {
        paint.fill(left + c * cell + wall, top + r * cell + wall, left + c * cell + cell - 1,
                   top + r * cell + cell - 1, colour::white);
    };
    carve(0, 0);
    while (!stack.empty()) {
        const int here = stack.back();
        const int c = here % cols, r = here / cols;
        int options[4], n = 0;
        if (c > 0 && !seen[here - 1]) options[n++] = here - 1;
        if (c + 1 < cols && !seen[here + 1]) options[n++] = here + 1;
        if (r > 0 && !seen[here - cols]) options[n++] = here - cols;
        if (r + 1 < rows && !seen[here + cols]) options[n++] = here + cols;
        if (n == 0) {
            stack.pop_back();
            continue;
        }
        seed = seed * 1103515245u + 12345u;
        const int next = options[(seed >> 16) % n];
        const int nc = next % cols, nr = next / cols;
        // The passage between two cells: a white box spanning both.
        paint.fill(left + std::min(c, nc) * cell + wall, top + std::min(r, nr) * cell + wall,
                   left + std::max(c, nc) * cell + cell - 1, top + std::max(r, nr) * cell + cell - 1,
                   colour::white);
        carve(nc, nr);
        seen[next] = true;
        stack.push_back(next);
    }
    // A way in at the top-left and a way out at the bottom-right.
    paint.fill(left, top + wall, left + wall - 1, top + cell - 1, colour::white);
    const int right = left + cols * cell, bottom = top + rows * cell;
    paint.fill(right, bottom - cell + wall, right + wall - 1, bottom - 1, colour::white);
}

}  // namespace

Picture titlePicture(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    Picture pic(width, height, colour::teal);
    PicturePainter paint(pic);
    paint.fill(20, 20, width - 21, height - 21, colour::navy);
    paint.fill(30, 30, width - 31, height - 31, colour::teal);

    // The title's three buttons stand at the left, from (16, 32) to (193, 209): the
    // letters take the width to their right, the maze the whole width below them.
    constexpr int clearOfButtons = 215;
    const int textWidth = std::max(width - 40 - clearOfButtons, 1);
    const int nameScale = std::clamp(textWidth / 47, 2, 16);  // "TARNWICK" is 47 dots wide
    const int topScale = std::max(nameScale * 2 / 3, 2);     // "THE QUILLARY", 71 dots
    const int centre = clearOfButtons + textWidth / 2;
    constexpr int textTop = 50;
    writeCentred(paint, "THE QUILLARY", centre, textTop, topScale, colour::yellow);
    const int nameTop = textTop + 9 * topScale;
    writeCentred(paint, "TARNWICK", centre, nameTop, nameScale, colour::white);

    // A small maze of a couple of dozen cells across, its cells growing with the window.
    constexpr int cols = 24;
    const int cell = std::max((width - 120) / cols, 4);
    const int mazeTop = std::max(nameTop + 7 * nameScale + 30, 230);
    const int rows = std::max((height - 60 - mazeTop) / cell, 1);
    paintMazeMotif(paint, (width - cols * cell) / 2, mazeTop, cols, rows, cell);
    return pic;
}

}  // namespace tarnwick
