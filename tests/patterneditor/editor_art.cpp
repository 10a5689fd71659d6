#include "patterneditor/editor_art.h"

#include <fstream>
#include <iterator>

#include "core/colours.h"
#include "platform/textfiles.h"

namespace tarnwick::test {

namespace {
constexpr const char* recording = "recording.pt";
}

EditorArtTest::EditorArtTest() : form(program.form) {
    setStandardPalette(form);
    for (int k = 1; k <= 16; ++k) form.passagecolors.set(static_cast<std::size_t>(k), 0xFFFFFF);
    form.wallsizex = form.wallsizey = pitch;
    form.gridstepx = form.gridstepy = pitch;
    form.mazekind = 0;
    form.carvemode = 1;
    form.difficultylevel = 4;
    form.editorlive = 1;
    form.recordmoves = 1;
    form.canvas.setScreenOnly(false);
    form.files.open(1, recording, FileMode::Output);
}

EditorArtTest::~EditorArtTest() { form.files.closeAll(); }

CellRect EditorArtTest::box(EditorCell c) const {
    const long x = pitch + c.col * pitch, y = pitch + c.row * pitch;
    return {x + 1, y + 1, x + pitch - 1, y + pitch - 1};
}

void EditorArtTest::paint(const EditorArt& art) {
    painted = art;
    Canvas& canvas = form.canvas;
    canvas.fillBox(0, 0, canvas.width() - 1, canvas.height() - 1, yellow);
    // Free cells lie on navy with their grid lines; yellow cells keep only what no free cell claims.
    for (std::size_t line = 0; line < art.size(); line += 2)
        for (std::size_t i = 0; i < art[line].size(); i += 2) {
            const char ch = art[line][i];
            if (ch == 'Y' || ch == ' ') continue;
            const CellRect b = box({static_cast<long>(i / 2), static_cast<long>(line / 2)});
            canvas.fillBox(b.x1 - 1, b.y1 - 1, b.x2 + 1, b.y2 + 1, navy);
        }
    for (std::size_t line = 0; line < art.size(); ++line)
        for (std::size_t i = 0; i < art[line].size(); ++i) {
            const char ch = art[line][i];
            const bool cellRow = line % 2 == 0;
            const CellRect b = box({static_cast<long>(i / 2), static_cast<long>(line / 2)});
            if (cellRow && i % 2 == 0) {
                const long colour = ch == 'W' ? white : ch == 'B' ? black : ch == 'n' ? navy : -1;
                if (colour != -1) canvas.fillBox(b.x1, b.y1, b.x2, b.y2, colour);
                continue;
            }
            const long colour = ch == '-' || ch == '|' ? white : ch == '=' || ch == '!' ? black : -1;
            if (colour == -1) continue;
            if (cellRow) canvas.fillBox(b.x2 + 1, b.y1, b.x2 + 1, b.y2, colour);
            else canvas.fillBox(b.x1, b.y2 + 1, b.x2, b.y2 + 1, colour);
        }
}

EditorArt EditorArtTest::read() const {
    auto pt = [this](long x, long y) { return form.canvas.point(x, y); };
    EditorArt art;
    for (std::size_t l = 0; l < painted.size(); ++l) {
        std::string text;
        for (std::size_t i = 0; i < painted[l].size(); ++i) {
            const CellRect b = box({static_cast<long>(i / 2), static_cast<long>(l / 2)});
            const bool cellRow = l % 2 == 0;
            if (!cellRow && i % 2 == 1) {
                text += ' ';
                continue;
            }
            const long p = cellRow && i % 2 == 0 ? pt(b.x1, b.y1) : cellRow ? pt(b.x2 + 1, b.y1) : pt(b.x1, b.y2 + 1);
            if (cellRow && i % 2 == 0)
                text += p == white ? 'W' : p == black ? 'B' : p == navy ? 'n' : p == yellow ? 'Y' : '?';
            else
                text += p == white ? (cellRow ? '-' : '|') : p == black ? (cellRow ? '=' : '!')
                      : p == navy || p == yellow ? ' ' : '?';
        }
        art.push_back(text);
    }
    return art;
}

void EditorArtTest::place(EditorCell c) {
    setCurrentCell(form, box(c));
    setPreviousCell(form, box(c));
}

EditorCell EditorArtTest::cursor() const { return {(form.cellx1 - 1) / pitch - 1, (form.celly1 - 1) / pitch - 1}; }

void EditorArtTest::live(long direction) {
    setPreviousCell(form, currentCell(form));
    form.direction = direction;
    form.livemovestep(true);
}

void EditorArtTest::replay(long direction) {
    setPreviousCell(form, currentCell(form));
    form.direction = direction;
    form.replaymovestep();
}

std::string EditorArtTest::recorded() {
    form.files.close(1);
    std::ifstream in(recording, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    form.files.open(1, recording, FileMode::Append);
    std::string lines;
    for (char ch : bytes)
        if (ch != '\r') lines += ch == '\n' ? ' ' : ch;
    return lines;
}

}  // namespace tarnwick::test
