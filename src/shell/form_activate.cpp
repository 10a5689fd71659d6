#include "shell/form57.h"

namespace tarnwick {

void Form57::Form_Activate() {
    ui.setWindowCaption("The Quillary Tarnwick-by Ivo Pellik");
    for (;;) waitEvents();
}

}  // namespace tarnwick
