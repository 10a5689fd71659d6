#pragma once
#include "core/picture.h"

namespace tarnwick {

// The program's own pictures, drawn in code so that every pixel is an exact palette colour
// aligned to the drawing lattice of wall size 10.
// exampledrawing: 1 temple, 2 space station, 3 diamond, 4 christmas tree; each 800 by 600.
// Any other number gives an empty picture.
Picture builtinPicture(int exampledrawing);

// The picture shown behind the title screen's buttons (saved as "title.bmp" at start-up),
// laid out to fill a window of the given size.
Picture titlePicture(int width = 800, int height = 600);

}  // namespace tarnwick
