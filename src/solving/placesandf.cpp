#include "shell/form57.h"

namespace tarnwick {

void Form57::placesandf() {}
void Form57::solvingmaze() {}

}  // namespace tarnwick
