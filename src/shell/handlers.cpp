#include "shell/form57.h"

namespace tarnwick {

void Form57::registerShellHandlers() {}

}  // namespace tarnwick
