#include "shell/form57.h"

namespace tarnwick {

void Form57::drawpicture() {}

}  // namespace tarnwick
