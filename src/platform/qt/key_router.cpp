#include "platform/qt/key_router.h"

#include <QKeyEvent>
#include <QWidget>

#include "platform/qt/controls.h"
#include "platform/qt/key_codes.h"

namespace tarnwick {

KeyRouter::KeyRouter(QWidget& window, ProgramLink link) : window_(window), link_(link) {}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &window_) return false;  // menus, message boxes
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = keyCodeFor(key->key(), key->modifiers());
    ProgramLink link = link_;
    if (auto* box = qobject_cast<EntryBox*>(widget)) {
        if (code) link.queue.push([link, name = box->controlName(), code] { link.sink.entryKeyDown(name, code); });
        return code == 9;  // Tab stays in the box instead of moving the focus
    }
    if (code) link.queue.push([link, code] { link.sink.keyDown(code); });
    return true;
}

}  // namespace tarnwick
