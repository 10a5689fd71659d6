#pragma once
#include "underpasses/cell_art.h"

namespace tarnwick::test {

// A walker's passage on (0, 2) heading right at vertical corridors ahead, with
// the clean entry cell (1, 2) before the first of them.
inline const CellArt corridorAhead = {". . # . . . . . .",
                                      "    |            ",
                                      ". . # . . . . . .",
                                      "    |            ",
                                      "# . # . . . . . .",
                                      "    |            ",
                                      ". . # . . . . . .",
                                      "                 ",
                                      ". . . . . . . . ."};
inline const CellArt oneFreeCellBetweenCorridors = {". . # . # . . . .",
                                                    "    |   |        ",
                                                    ". . # . # . . . .",
                                                    "    |   |        ",
                                                    "# . # . # . . . .",
                                                    "    |   |        ",
                                                    ". . # . # . . . .",
                                                    "                 ",
                                                    ". . . . . . . . ."};
inline const CellArt twoFreeCellsBetweenCorridors = {". . # . . # . . .",
                                                     "    |     |      ",
                                                     ". . # . . # . . .",
                                                     "    |     |      ",
                                                     "# . # . . # . . .",
                                                     "    |     |      ",
                                                     ". . # . . # . . .",
                                                     "                 ",
                                                     ". . . . . . . . ."};

}  // namespace tarnwick::test
