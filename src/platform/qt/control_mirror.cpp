#include "platform/qt/control_mirror.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/file_list.h"
#include "platform/qt/controls.h"

namespace tarnwick {

namespace {

// Panels lie over the drawing, which may be any colour: every caption stands on an
// opaque plate of its own with a frame, so that it reads alike over a light or a
// dark picture, and a colour box shows its colour inside a frame even on a
// picture of the same colour.
const QColor plateColour(0xF4, 0xF4, 0xF0);

void setPlate(QWidget* widget, const QColor& c) {
    // A caption stays readable on a dark colour box.
    const double luma = 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
    const QColor text = luma < 128 ? Qt::white : Qt::black;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Button, c);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setBackColour(QWidget* widget, ControlKind kind, long colour) {
    if (colour >= 0) {
        setPlate(widget, QColor::fromRgb(0xFF000000u | bgrToRgb(static_cast<std::uint32_t>(colour))));
    } else if (kind == ControlKind::Label || kind == ControlKind::CheckBox) {
        setPlate(widget, plateColour);
    } else {
        widget->setAutoFillBackground(false);
        widget->setPalette(QPalette());
    }
}

// The plate's frame: a ridge of two greys, one of which stands out on any colour.
void frame(QWidget* widget, ControlKind kind) {
    if (kind == ControlKind::Label)
        widget->setStyleSheet(QStringLiteral("QLabel { background: palette(window); border: 1px solid #707070;"
                                             " padding: 0px 3px; }"));
    if (kind == ControlKind::CheckBox)
        widget->setStyleSheet(QStringLiteral("QCheckBox { border: 2px ridge #9a9a9a; padding-left: 3px; }"));
}

// The panels' one face: the window's own, narrowed, which fits the most text into
// the boxes the program gives.
constexpr int largestPixelSize = 12;

QFont panelFont(const QWidget& surface) {
    QFont font = surface.font();
    font.setStretch(QFont::SemiCondensed);
    font.setPixelSize(largestPixelSize);
    return font;
}

// Gives the widgets one font: the largest size, up to a size that fills a box's
// height, at which each caption fits the box the program gives it.
void fitOneFont(const std::vector<QWidget*>& widgets, QFont font) {
    constexpr int smallestPixelSize = 8;
    for (int size = largestPixelSize; size >= smallestPixelSize; --size) {
        font.setPixelSize(size);
        bool allFit = true;
        for (QWidget* widget : widgets) {
            widget->setFont(font);
            allFit = allFit && widget->sizeHint().width() <= widget->width();
        }
        if (allFit) return;
    }
}

Qt::CheckState checkState(int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

void fillFileList(QListWidget* list, const std::string& filter) {
    list->clear();
    for (const std::string& name : listFiles(filter)) list->addItem(QString::fromStdString(name));
}

}  // namespace

void ControlMirror::apply() {
    const auto& controls = link_.ui.controls();
    bool focusTargetChanged = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (i == widgets_.size()) {
            widgets_.push_back(create(controls[i]));
            shown_.emplace_back();
        }
        if (show(i) && controls[i].name == link_.ui.focus()) focusTargetChanged = true;
    }
    if (captionsChanged_) fitCaptions();
    if (focusTargetChanged || shownFocus_ != link_.ui.focus()) applyFocus();
}

// The entry panels' prompts, names and file lists share one font, and the colour
// boxes share one of their own.
void ControlMirror::fitCaptions() {
    captionsChanged_ = false;
    const QFont font = panelFont(surface_);
    const auto& controls = link_.ui.controls();
    std::vector<QWidget*> prompts, entries, colourBoxes;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        switch (controls[i].kind) {
        case ControlKind::Label: prompts.push_back(widgets_[i]); break;
        case ControlKind::EntryBox:
        case ControlKind::FileList: entries.push_back(widgets_[i]); break;
        case ControlKind::CheckBox: colourBoxes.push_back(widgets_[i]); break;
        case ControlKind::Button: break;
        }
    }
    fitOneFont(prompts, font);
    if (!prompts.empty())
        for (QWidget* entry : entries) entry->setFont(prompts.front()->font());
    fitOneFont(colourBoxes, font);
}

QWidget* ControlMirror::create(const Control& control) {
    QWidget* widget = nullptr;
    const std::string name = control.name;
    ProgramLink link = link_;
    switch (control.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(&surface_);
        QObject::connect(button, &QPushButton::clicked, button,
                         [link, name] { link.queue.push([link, name] { link.sink.buttonClick(name); }); });
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new ModelCheckBox(&surface_);
        box->setTristate(true);
        QObject::connect(box, &QCheckBox::clicked, box, [link, name] {
            link.queue.push([link, name] {
                // A greyed box unticks, like a ticked one.
                link.ui.setControlValue(name, link.ui.control(name).value == 0 ? 1 : 0);
                link.sink.checkClick(name);
            });
        });
        widget = box;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(&surface_);
        label->setTextFormat(Qt::PlainText);
        widget = label;
        break;
    }
    case ControlKind::EntryBox: {
        auto* box = new EntryBox(name, &surface_);
        if (control.maxLength > 0) box->setMaxLength(static_cast<int>(control.maxLength));
        QObject::connect(box, &QLineEdit::textEdited, box, [link, name](const QString& text) {
            link.queue.push([link, name, typed = text.toStdString()] { link.ui.setControlText(name, typed); });
        });
        widget = box;
        break;
    }
    case ControlKind::FileList: {
        auto* list = new QListWidget(&surface_);
        QObject::connect(list, &QListWidget::itemClicked, list, [link, name](QListWidgetItem* item) {
            link.queue.push([link, name, entry = item->text().toStdString()] { link.sink.fileListClick(name, entry); });
        });
        widget = list;
        break;
    }
    }
    if (control.kind != ControlKind::EntryBox) widget->setFocusPolicy(Qt::NoFocus);
    widget->setObjectName(QString::fromStdString(name));
    frame(widget, control.kind);
    if (control.kind == ControlKind::EntryBox || control.kind == ControlKind::FileList) captionsChanged_ = true;
    return widget;
}

bool ControlMirror::show(std::size_t index) {
    const Control& c = link_.ui.controls()[index];
    std::optional<Control>& old = shown_[index];
    QWidget* widget = widgets_[index];
    const bool fresh = !old.has_value();

    const bool resized = fresh || c.width != old->width || c.height != old->height;
    if (resized || c.left != old->left || c.top != old->top)
        widget->setGeometry(c.left, c.top, std::max(c.width, 0), std::max(c.height, 0));
    const bool stateChanged = fresh || c.enabled != old->enabled || c.visible != old->visible;
    if (stateChanged) {
        widget->setEnabled(c.enabled);
        widget->setVisible(c.visible);
    }
    if (fresh || c.backColour != old->backColour) setBackColour(widget, c.kind, c.backColour);
    const bool captionChanged = fresh || c.caption != old->caption;

    switch (c.kind) {
    case ControlKind::Button:
        if (captionChanged) static_cast<QPushButton*>(widget)->setText(literalCaption(c.caption));
        break;
    case ControlKind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        if (captionChanged) box->setText(literalCaption(c.caption));
        if (captionChanged || resized) captionsChanged_ = true;
        if (fresh || c.value != old->value) box->setCheckState(checkState(c.value));
        break;
    }
    case ControlKind::Label:
        if (captionChanged) static_cast<QLabel*>(widget)->setText(QString::fromStdString(c.caption));
        if (captionChanged || resized) captionsChanged_ = true;
        break;
    case ControlKind::EntryBox: {
        auto* box = static_cast<QLineEdit*>(widget);
        // Only a change from the program is written back: rewriting the box's own
        // text would move the typing cursor.
        const QString text = QString::fromStdString(c.text);
        if (box->text() != text) box->setText(text);
        break;
    }
    case ControlKind::FileList:
        if (fresh || c.filter != old->filter || c.refreshCount != old->refreshCount)
            fillFileList(static_cast<QListWidget*>(widget), c.filter);
        break;
    }
    old = c;
    return stateChanged;
}

void ControlMirror::applyFocus() {
    const std::string& focus = link_.ui.focus();
    shownFocus_ = focus;
    const auto& controls = link_.ui.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == focus && controls[i].kind == ControlKind::EntryBox && controls[i].visible) {
            widgets_[i]->setFocus();
            // A box the program opens holding a value offers it for replacing:
            // the first typing takes its place rather than adding to it.
            static_cast<QLineEdit*>(widgets_[i])->selectAll();
            return;
        }
    }
    surface_.setFocus();
}

}  // namespace tarnwick
