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

// A page that could not be printed is told at once outside a run. A run goes on
// with its next page and tells its failed pages when it ends: a message box on
// every page would hold the run up until someone comes to close it.
void Form57::printwindowpage() {
    const PrintResult result = platform.printPage(windowpicture());
    if (!result.ok && printmode == 0) {
        platform.messageBox("Error: can't print the window.");
        return;
    }
    if (!result.ok) ++printfailures;
    lastpageplace = result.ok ? result.where : "nowhere (printing failed)";
    if (printmode != 0) {
        printupkeepprogress();
        return;
    }
    // No progress item outside a run: the caption says where the page went.
    std::string caption = ui.window().caption;
    if (const auto at = caption.find(pagenote); at != std::string::npos) caption.erase(at);
    ui.setWindowCaption(caption + std::string(pagenote) + lastpageplace);
}

void Form57::endprintrun() {
    printmode = 0;
    if (printfailures == 0) return;
    const std::string pages = printfailures == 1 ? "1 page" : std::to_string(printfailures) + " pages";
    printfailures = 0;
    platform.messageBox("Error: " + pages + " of the print run could not be printed.");
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
