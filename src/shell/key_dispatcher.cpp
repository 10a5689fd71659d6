#include "shell/form57.h"

namespace tarnwick {

void Form57::Form_KeyDown(int) {}
void Form57::drawingkeys(int) {}

}  // namespace tarnwick
