#include "shell/form57.h"

namespace tarnwick {

// Until the random-pattern generator exists the pattern files stay as they are.
void Form57::editrandompat() {}

}  // namespace tarnwick
