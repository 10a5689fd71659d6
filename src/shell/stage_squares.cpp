#include "shell/form57.h"

namespace tarnwick {

void Form57::mazeentrysquarecolors() {}
void Form57::placingentrysquares() {}
void Form57::restorekeptsquarecolors() {}
void Form57::shiftsquarecolors() {}
void Form57::unshiftsquarecolors() {}
void Form57::solvestage() {}

}  // namespace tarnwick
