#include "shell/form57.h"

#include "directionpatterns/pattern_files.h"

namespace tarnwick {

Form57::Form57(Platform& p) : platform(p) {
    // The menu bar and the controls exist before any handler is registered.
    createmenubar();
    createcontrols();
    workers = {[this] { drawpicture(); }, [this] { makemaze(); }, [this] { placesandf(); },
               [this] { solvestage(); }};
    registerShellHandlers();
    registerDrawingHandlers();
    registerGenerationHandlers();
    registerSolvingHandlers();
    registerUnderpassHandlers();
    registerPatternHandlers();
    registerFileHandlers();
    servePatternFiles(files);
    platform.attach(canvas, ui, *this);
}

void Form57::run() {
    try {
        Form_Activate();
    } catch (const ProgramEnd&) {
        // The window was closed or the program was quit: every file was written when its step ran.
    }
    // All but a pattern the editor was still recording, which takes its name now.
    files.closeAll();
}

void Form57::doEvents() {
    if (!platform.endRequested()) platform.processEvents();
    if (platform.endRequested()) throw ProgramEnd{};
}

void Form57::waitEvents() {
    if (!platform.endRequested()) platform.waitForEvents();
    if (platform.endRequested()) throw ProgramEnd{};
}

namespace {
template <class Map, class... Args>
void dispatch(const Map& handlers, const std::string& name, Args&&... args) {
    if (auto it = handlers.find(name); it != handlers.end()) it->second(std::forward<Args>(args)...);
}
}  // namespace

void Form57::keyDown(int keyCode) {
    ++eventsdelivered;
    Form_KeyDown(keyCode);
}
void Form57::mouseDown(int button) {
    ++eventsdelivered;
    Form_MouseDown(button);
}
void Form57::menuClick(const std::string& item) {
    ++eventsdelivered;
    if (ui.hasMenu(item) && ui.menuAvailable(item)) dispatch(menuHandlers, item);
}
void Form57::buttonClick(const std::string& button) {
    ++eventsdelivered;
    dispatch(buttonHandlers, button);
}
void Form57::checkClick(const std::string& checkBox) {
    ++eventsdelivered;
    dispatch(checkHandlers, checkBox);
}
void Form57::entryKeyDown(const std::string& entryBox, int keyCode) {
    ++eventsdelivered;
    dispatch(entryHandlers, entryBox, keyCode);
}
void Form57::fileListClick(const std::string& fileList, const std::string& entry) {
    ++eventsdelivered;
    dispatch(fileListHandlers, fileList, entry);
}
void Form57::timerTick(const std::string& timer) {
    ++eventsdelivered;
    dispatch(timerHandlers, timer);
}

}  // namespace tarnwick
