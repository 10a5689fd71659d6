#include "shell/form57.h"

namespace tarnwick {

// The pass step the underpass crossings fill in; until then the walker and the
// player stay on the surface.
void Form57::crossunderpasses() {}

}  // namespace tarnwick
