#include "shell/form57.h"

namespace tarnwick {

void Form57::panelopensteps() {}
void Form57::panelclosedrestore() {}

}  // namespace tarnwick
