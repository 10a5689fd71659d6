#include "shell/form57.h"

namespace tarnwick {

void Form57::registerFileHandlers() {}

}  // namespace tarnwick
