#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/picture.h"

namespace tarnwick::test {

// Pixel fixtures as ASCII art, one character a pixel, so a failing comparison
// prints a picture. Unknown colours read back as '?'.
using Legend = std::map<char, long>;
using Art = std::vector<std::string>;

// '.' white, '#' black, 'r' red, 'g' green, 'b' blue, 'y' yellow, 'm' magenta.
const Legend& defaultLegend();

// Paints the art with its top-left at (x0, y0) into the canvas's current target.
// A character missing from the legend (' ' for instance) leaves its pixel alone.
void paintArt(Canvas& canvas, long x0, long y0, const Art& art, const Legend& legend = defaultLegend());

// Reads a w by h window back as art.
Art artOf(const Canvas& canvas, long x0, long y0, int w, int h, const Legend& legend = defaultLegend());

// A whole picture as art.
Art artOf(const Picture& picture, const Legend& legend = defaultLegend());

}  // namespace tarnwick::test
