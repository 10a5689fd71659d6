#include "underpasses/cell_art.h"

#include "core/colours.h"

namespace tarnwick::test {

namespace {
constexpr long black = 0x000000, navy = 0x800000, red = 0x0000FF, gray = 0x808080;
}  // namespace

CellArtTest::CellArtTest() : form(program.form) {
    setStandardPalette(form);
    for (int k = 1; k <= 16; ++k) setColourClass(form, k, k <= 8);
    setExtraOpenColour(form);
    for (int k = 1; k <= 16; ++k) form.passagecolors.set(static_cast<std::size_t>(k), 0xF0E000 + k);
    setWallSize(wall);
    form.cursorcolor = form.palette[1] + 3;
    form.picturedrawing = 1;
    form.shortunderpasses = 1;
    form.difficultylevel = 4;
    form.pathsize = 1;
    form.mazekind = 2;
    form.canvas.setScreenOnly(false);
}

void CellArtTest::setWallSize(long w) {
    wall = w;
    form.wallsizex = form.wallsizey = w;
    form.gridstepx = form.gridstepy = w;
}

CellRect CellArtTest::box(Cell c) const { return cellBox(wall + c.col * wall, wall + c.row * wall, wall, wall); }

void CellArtTest::paint(const CellArt& art) {
    painted = art;
    form.trailunder.clear();  // a new maze, with no trail on it
    Canvas& canvas = form.canvas;
    canvas.fillBox(0, 0, canvas.width() - 1, canvas.height() - 1, gray);
    // The cells first, then the grid lines, which reach into the cells' drawing cells.
    for (const bool cells : {true, false})
        for (std::size_t line = 0; line < art.size(); ++line)
            for (std::size_t i = 0; i < art[line].size(); ++i) {
                const char ch = art[line][i];
                const bool cellRow = line % 2 == 0;
                if ((cellRow && i % 2 == 0) != cells || ch == ' ') continue;
                const CellRect b = box({static_cast<long>(i / 2), static_cast<long>(line / 2)});
                if (cells) {
                    const long drawn = ch == 'n' || ch == 'N' ? navy : ch == 'R' ? red : black;
                    canvas.fillBox(b.x1 - 1, b.y1 - 1, b.x2 + 1, b.y2 + 1, drawn);
                    const long colour = ch == '#'   ? blackPassage
                                        : ch == 'N' ? navyPassage
                                        : ch == 'c' ? static_cast<long>(form.cursorcolor)
                                                    : -1;
                    if (colour != -1) canvas.fillBox(b.x1, b.y1, b.x2, b.y2, colour);
                    continue;
                }
                // A grid line after a cell in a cell row, below one in a grid-line row;
                // a mark covers only its own cell's half.
                const long first = cellRow ? b.x2 + 1 : b.y2 + 1;
                const long from = ch == '<' || ch == '^' ? first + 1 : first;
                const long to = ch == '>' || ch == 'v' ? first : first + 1;
                if (cellRow)
                    canvas.fillBox(from, b.y1, to, b.y2, blackPassage);
                else
                    canvas.fillBox(b.x1, from, b.x2, to, blackPassage);
            }
}

CellArt CellArtTest::read() const {
    auto passage = [this](long x, long y) { return isPassageColour(form, form.canvas.point(x, y)); };
    auto line = [](bool nearOpen, bool farOpen, char open, char nearMark, char farMark) {
        return nearOpen && farOpen ? open : nearOpen ? nearMark : farOpen ? farMark : ' ';
    };
    CellArt art;
    for (std::size_t l = 0; l < painted.size(); ++l) {
        std::string text;
        for (std::size_t i = 0; i < painted[l].size(); ++i) {
            const Cell c{static_cast<long>(i / 2), static_cast<long>(l / 2)};
            const CellRect b = box(c);
            if (l % 2 == 1) {
                text += i % 2 == 0 ? line(passage(b.x1, b.y2 + 1), passage(b.x1, b.y2 + 2), '|', 'v', '^') : ' ';
                continue;
            }
            if (i % 2 == 1) {
                text += line(passage(b.x2 + 1, b.y1), passage(b.x2 + 2, b.y1), '-', '>', '<');
                continue;
            }
            const long p = form.canvas.point(b.x1, b.y1);
            text += p == blackPassage ? '#' : p == navyPassage ? 'N' : p == form.cursorcolor ? 'c'
                  : p == black ? '.' : p == navy ? 'n' : p == red ? 'R' : '?';
        }
        art.push_back(text);
    }
    return art;
}

void CellArtTest::placeWalker(Cell c, long direction) {
    setCurrentCell(form, box(c));
    setPreviousCell(form, box(c));
    form.direction = direction;
    form.stepx = direction == 1 ? -wall : direction == 2 ? wall : 0;
    form.stepy = direction == 3 ? -wall : direction == 4 ? wall : 0;
    setLeadingEdge(form);
}

void CellArtTest::lookAhead(long k) {
    setLookCell(form, offsetCell(currentCell(form), k * form.stepx, k * form.stepy));
}

Cell CellArtTest::walkerCell() const { return {(form.cellx1 - 1) / wall - 1, (form.celly1 - 1) / wall - 1}; }
Cell CellArtTest::lookCellNow() const { return {(form.lookx1 - 1) / wall - 1, (form.looky1 - 1) / wall - 1}; }

}  // namespace tarnwick::test
