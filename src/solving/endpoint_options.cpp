#include "shell/form57.h"

namespace tarnwick {

namespace {
constexpr const char* endpointitems[4] = {"userplace", "largestsolution", "includeunderpasses", "mostunderpasses"};
}

void Form57::userplace_Click() {
    if (commandtaken != 0) return;
    commandtaken = 1;
    for (const char* item : {"largestsolution", "userplace", "mostunderpasses", "includeunderpasses"})
        ui.setChecked(item, item == endpointitems[0]);
    // A finish the computer placed stays and becomes the user's.
    finishfound = 0;
    endpointoption = 0;
}

void Form57::largestsolution_Click() { computedendpoint(1); }
void Form57::includeunderpasses_Click() { computedendpoint(2); }
void Form57::mostunderpasses_Click() { computedendpoint(3); }

void Form57::computedendpoint(long option) {
    if (commandtaken != 0) return;
    commandtaken = 1;
    for (long k : {1, 0, 3, 2}) ui.setChecked(endpointitems[k], k == option);
    if (endpointoption != option && programmode == 2) {
        // Take the shown finish away: the placing loop hands over to the finish search.
        canvas.fillBox(oldfinishx1, oldfinishy1, oldfinishx2, oldfinishy2, finishunder);
        finishfound = 0;
    }
    endpointoption = option;
}

}  // namespace tarnwick
