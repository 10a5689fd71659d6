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

// Writes a line of text centred on the picture, each font dot a square of `scale` pixels.
void writeCentred(PicturePainter& paint, std::string_view text, int top, int scale, std::uint32_t c) {
    const int advance = 6 * scale;
    int x = (800 - static_cast<int>(text.size()) * advance + scale) / 2;
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
void paintMazeMotif(PicturePainter& paint, int left, int top, int cols, int rows) {
    constexpr int cell = 20;
    paint.fill(left, top, left + cols * cell, top + rows * cell, colour::navy);
    std::vector<bool> seen(static_cast<std::size_t>(cols) * rows, false);
    std::vector<int> stack{0};
    seen[0] = true;
    std::uint32_t seed = 12345;
    auto carve = [&](int c, int r) {
        paint.fill(left + c * cell + 4, top + r * cell + 4, left + c * cell + cell - 1, top + r * cell + cell - 1,
                   colour::white);
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
        paint.fill(left + std::min(c, nc) * cell + 4, top + std::min(r, nr) * cell + 4,
                   left + std::max(c, nc) * cell + cell - 1, top + std::max(r, nr) * cell + cell - 1,
                   colour::white);
        carve(nc, nr);
        seen[next] = true;
        stack.push_back(next);
    }
}

}  // namespace

Picture titlePicture() {
    Picture pic(800, 600, colour::teal);
    PicturePainter paint(pic);
    paint.fill(20, 20, 779, 579, colour::navy);
    paint.fill(30, 30, 769, 569, colour::teal);
    writeCentred(paint, "THE QUILLARY", 60, 8, colour::yellow);
    writeCentred(paint, "TARNWICK", 150, 12, colour::white);
    paintMazeMotif(paint, 160, 400, 24, 7);
    return pic;
}

}  // namespace tarnwick
