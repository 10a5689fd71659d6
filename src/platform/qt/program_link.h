#pragma once
#include <QString>

#include <string>

#include "core/ui.h"
#include "platform/platform.h"
#include "platform/qt/event_queue.h"

namespace tarnwick {

// What the mirrors of the Ui model share: the model they show, where the
// program's events go, and the queue that holds them until the program asks.
struct ProgramLink {
    Ui& ui;
    EventSink& sink;
    EventQueue& queue;
};

// Captions are shown as the program gives them: "&" is a character, not a mnemonic.
inline QString literalCaption(const std::string& caption) {
    return QString::fromStdString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace tarnwick
