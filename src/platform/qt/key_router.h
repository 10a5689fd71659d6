#pragma once
#include <QObject>

#include "platform/qt/program_link.h"

class QWidget;

namespace tarnwick {

// Sees every key pressed in the window before any widget does. Keys typed into
// an entry box are reported for that box and left to it; every other key is the
// window's, so no button, list or focus chain acts on it.
class KeyRouter : public QObject {
    Q_OBJECT
public:
    KeyRouter(QWidget& window, ProgramLink link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    ProgramLink link_;
};

}  // namespace tarnwick
