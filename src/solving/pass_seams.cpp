#include "shell/form57.h"

namespace tarnwick {

// Steps of the solver pass that the finish search and play mode fill in; until
// then the computer walks alone.
bool Form57::finishsearchpass() { return false; }
void Form57::finishsearchcandidate() {}
void Form57::playtrailchanges() {}
void Form57::playerpass() {}

}  // namespace tarnwick
