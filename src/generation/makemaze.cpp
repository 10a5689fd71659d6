#include "shell/form57.h"

namespace tarnwick {

void Form57::makemaze() {}
void Form57::mixcolors() {}
void Form57::mixcolors2() {}

}  // namespace tarnwick
