#include "shell/form57.h"

namespace tarnwick {

void Form57::Form_MouseDown(int) {}

}  // namespace tarnwick
