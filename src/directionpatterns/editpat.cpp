#include "shell/form57.h"

namespace tarnwick {

void Form57::editpat() {}

}  // namespace tarnwick
