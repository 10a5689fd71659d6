// The walker's steps that only 3d-mazes and 3d-pipe-mazes take. Until their
// carving is built a walker of those kinds stands still.
#include "shell/form57.h"

namespace tarnwick {

void Form57::walkpipemiddle() {}
void Form57::walkstucktries() {}
Form57::WalkAt Form57::walkpipetravelend() { return WalkAt::Next; }
Form57::WalkAt Form57::walk3dstep() { return WalkAt::Pass; }

}  // namespace tarnwick
