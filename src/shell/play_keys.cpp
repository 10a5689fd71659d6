#include "shell/form57.h"

namespace tarnwick {

void Form57::playkeys(int) {}

}  // namespace tarnwick
