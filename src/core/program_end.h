#pragma once

namespace tarnwick {

// Thrown by the program's event processing once the window was closed or the
// program asked to end; caught at the top of the main loop. Never crosses a
// platform (Qt) frame: it is raised only after the platform call has returned.
struct ProgramEnd {};

}  // namespace tarnwick
