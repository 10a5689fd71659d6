#pragma once
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <string>

namespace tarnwick {

// A check box whose tick belongs to the program: a click only reports, and the
// new value comes back from the program's model.
class ModelCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

// A one-line entry box that knows its control's name, so the key router can
// tell the program which box a key went to. Its keys end here: one it has no
// use for (Enter, Escape) must not reach the window as a key of the window too.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    EntryBox(std::string name, QWidget* parent) : QLineEdit(parent), name_(std::move(name)) {}
    const std::string& controlName() const { return name_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        event->accept();
    }

private:
    std::string name_;
};

}  // namespace tarnwick
