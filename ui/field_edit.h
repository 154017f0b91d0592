#pragma once

#include <QLineEdit>

class QComboBox;

namespace ampera {

// The editing line of every text box and editable combo box of the program.
// A text the program writes is shown from its first character, as a classic
// desktop form shows it; while the field does not have the keyboard focus, or
// its window is hidden, it stays scrolled to its start. The user's own editing
// (keys, mouse, input methods, drops, the context menu) keeps the usual cursor
// behaviour. A text that does not fit the field is also the tooltip of the
// field (of its combo box for the line of a combo box); a text that fits
// leaves no tooltip.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void textWritten();
    void cursorMoved();
    void updateTip();
    bool fits() const;

    int userEditing_ = 0;
};

}  // namespace ampera
