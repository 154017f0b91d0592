#include "ui/field_edit.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <memory>

namespace ampera {

namespace {

// The blank Qt keeps between the contents rectangle and the text, per side.
constexpr int kTextMargin = 2;

bool isUserInput(QEvent::Type t) {
    switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::FocusIn:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
    }
}

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    // Connected before any change reaction of the field, so the view is set
    // before the reactions run.
    connect(this, &QLineEdit::textChanged, this, [this] { textWritten(); });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { cursorMoved(); });
}

bool FieldEdit::event(QEvent* e) {
    // A field that goes out of sight with its window is no longer being
    // edited: it goes back to its start, where a write while hidden keeps it.
    if (e->type() == QEvent::Hide && userEditing_ == 0 && cursorPosition() != 0) setCursorPosition(0);
    if (!isUserInput(e->type())) return QLineEdit::event(e);
    ++userEditing_;
    QPointer<FieldEdit> self(this);
    const bool handled = QLineEdit::event(e);
    if (self) --userEditing_;
    return handled;
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* e) {
    // Run the menu here, so that a paste or an undo from it counts as the
    // user's editing.
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    QPointer<FieldEdit> self(this);
    ++userEditing_;
    menu->exec(e->globalPos());
    if (self) --userEditing_;
}

void FieldEdit::textWritten() {
    if (userEditing_ == 0) setCursorPosition(0);
    updateTip();
}

void FieldEdit::cursorMoved() {
    // A write of the same text moves the cursor to the end without a change;
    // a field the user is not in goes back to its start. A hidden window's
    // field may keep the focus it had, but no one is editing it.
    if (userEditing_ == 0 && !(hasFocus() && isVisible()) && cursorPosition() != 0) setCursorPosition(0);
}

void FieldEdit::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    updateTip();
}

void FieldEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) updateTip();
}

bool FieldEdit::fits() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(text()) + 1 <= contents.width() - 2 * kTextMargin;
}

void FieldEdit::updateTip() {
    QWidget* owner = this;
    if (auto* combo = qobject_cast<QComboBox*>(parentWidget()); combo && combo->lineEdit() == this) owner = combo;
    const QString tip = fits() ? QString() : text();
    if (owner->toolTip() != tip) owner->setToolTip(tip);
}

}  // namespace ampera
