#include <string>

#include "files/name_rule.h"
#include "shell/form57.h"

namespace tarnwick {

void Form57::importbitmap(int keyCode) {
    if (keyCode != 13 && keyCode != 27) return;
    if (keyCode == 13) {
        const std::string name = typeddrawingname("importbox");
        const std::optional<Picture> picture =
            isPlainFileName(name) ? platform.loadPicture(name + ".bmp") : std::nullopt;
        if (picture) {
            canvas.setBackPicture(*picture);
            picturedrawing = 1;
            examplepending = 0;  // the imported picture is the drawing now, not the example's
            picturereplaced = 1;
        } else {
            platform.messageBox("Error: can't find bitmap.");
        }
    }
    closedrawingpanel("importlabel", "importbox", "importlist");
}

}  // namespace tarnwick
