#include "shell/form57.h"

namespace tarnwick {

void Form57::patterneditorkeys(int) {}
void Form57::makingkeys(int) {}
void Form57::placingkeys(int) {}

}  // namespace tarnwick
