#!/usr/bin/env python3
"""Writes the key lines that paint boxes and block letters in the drawing stage.

The slides' own drawings are made by the program from its own keys: this turns a
box or a line of text into the cursor moves and pen keys that paint it (a 5 by 7
dot font, every dot one cursor of SCALE by SCALE lattice cells). Its output is
pasted into a slide script by hand; the build runs only the scripts.

    lettering.py text COL ROW SCALE PEN TEXT
    lettering.py box COL ROW WIDTH HEIGHT PEN

COL and ROW are the lattice cell (in grid steps) of the top-left corner, counted
from the cursor's place when the lines start, which must be a one-cell cursor with
drawing off; PEN is "border" or "open", the class of the pen that paints. The
lines leave the cursor one cell again, drawing off, where it started.
"""
import sys

FONT = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'C': [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'H': ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'I': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    'K': ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    'L': ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'N': ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    'O': [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'P': ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    'Q': [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'S': [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'U': ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    'V': ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'W': ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    'Y': ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    '0': [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    '2': [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    '6': ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    '+': [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
    '-': [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    ' ': ["....."] * 7,
}


# The drawing stage paints once a pass for all the keys that came since the last
# painting; a pass without a key after the switches and pen keys keeps their order.
SLASH = ["-", "Slash", "-"]


def dab_keys(pen):
    """Two pen keys that end on the same pen paint the cursor once in it."""
    return ["Period", "-", "Comma", "-"] if pen == "border" else ["Comma", "-", "Period", "-"]


def dots(text):
    """The text's dot rows: 7 strings, one column between letters."""
    return ["." .join(FONT[c][row] for c in text) for row in range(7)]


def lettering(col, row, scale, pen, text):
    keys = []
    # To the text's first cell, still one cell wide, then the cursor grows to one dot.
    keys += ["Right"] * col + ["Down"] * row
    keys += ["D"] * (scale - 1) + ["S"] * (scale - 1)
    dab = dab_keys(pen)
    x = 0
    rows = dots(text)
    for y, line in enumerate(rows):
        if y:
            keys.append("Down")
        runs, start = [], None
        for i, c in enumerate(line + "."):
            if c == "#" and start is None:
                start = i
            elif c != "#" and start is not None:
                runs.append((start, i - 1))
                start = None
        # Back and forth, row by row.
        if y % 2:
            runs = [(b, a) for a, b in reversed(runs)]
        for a, b in runs:
            keys += (["Right"] if a > x else ["Left"]) * abs(a - x)
            keys += SLASH
            if a == b:
                keys += dab
            else:
                keys += (["Right"] if b > a else ["Left"]) * abs(b - a)
            keys += SLASH
            x = b
    # Back to the first dot, the cursor one cell again, then to where it started.
    keys += ["Left"] * x + ["Up"] * (len(rows) - 1)
    keys += ["F"] * (scale - 1) + ["T"] * (scale - 1)
    keys += ["Left"] * col + ["Up"] * row
    return keys


def box(col, row, width, height, pen):
    keys = ["Right"] * col + ["Down"] * row
    keys += ["D"] * (width - 1) + ["S"] * (height - 1)
    keys += SLASH + dab_keys(pen) + SLASH
    keys += ["F"] * (width - 1) + ["T"] * (height - 1)
    keys += ["Left"] * col + ["Up"] * row
    return keys


def main():
    what, args = sys.argv[1], sys.argv[2:]
    if what == "text":
        keys = lettering(int(args[0]), int(args[1]), int(args[2]), args[3], args[4])
    else:
        keys = box(int(args[0]), int(args[1]), int(args[2]), int(args[3]), args[4])
    print(f"# lettering.py {what} " + " ".join(f'"{a}"' if " " in a else a for a in args))
    for key in keys:
        print("passes 2" if key == "-" else "key " + key)


if __name__ == "__main__":
    main()
