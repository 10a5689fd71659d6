#include "shell/form57.h"

namespace tarnwick {

// Steps of the solver pass that the finish search, play mode and the underpass
// crossings fill in; until then the computer walks and solves 2-d mazes alone.
bool Form57::finishsearchpass() { return false; }
void Form57::finishsearchcandidate() {}
void Form57::playtrailchanges() {}
void Form57::playerpass() {}
void Form57::crossunderpasses() {}

}  // namespace tarnwick
