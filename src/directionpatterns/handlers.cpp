#include "shell/form57.h"

namespace tarnwick {

void Form57::registerPatternHandlers() {}

}  // namespace tarnwick
