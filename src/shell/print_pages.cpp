// Printed pages: each is the window as it shows, on one page.
#include <string>
#include <string_view>

#include "shell/form57.h"

namespace tarnwick {

namespace {

constexpr std::string_view pagenote = " - page printed to ";

}  // namespace

Picture Form57::windowpicture() const {
    Picture picture(canvas.width(), canvas.height());
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) picture.at(x, y) = canvas.shown(x, y);
    return picture;
}

// A page that could not be printed is told at once outside a run, and once in a
// run, which goes on with its next page as if this one had come out.
void Form57::printwindowpage() {
    const PrintResult result = platform.printPage(windowpicture());
    if (!result.ok) {
        lastpageplace = "nowhere (printing failed)";
        if (printmode == 0 || !printfailuretold) platform.messageBox("Error: can't print the window.");
        if (printmode != 0) printfailuretold = true;
        return;
    }
    lastpageplace = result.where;
    if (printmode != 0) {
        printupkeepprogress();
        return;
    }
    // No progress item outside a run: the caption says where the page went.
    std::string caption = ui.window().caption;
    if (const auto at = caption.find(pagenote); at != std::string::npos) caption.erase(at);
    ui.setWindowCaption(caption + std::string(pagenote) + lastpageplace);
}

// A maze of a run with answers, once solved, comes out again as its answer page,
// and the run counts it and makes the next maze by itself.
bool Form57::answerpage() {
    if (printmode != 1 || answerpagedue != 1) return false;
    answerpagedue = 0;
    printwindowpage();
    if (mazesprinted < mazestoprint) ++mazesprinted;
    programmode = 1;
    return true;
}

}  // namespace tarnwick
