#pragma once

#include <QObject>
#include <functional>

class QComboBox;

namespace ampera {

// Runs a reaction when the user chooses an item from a combo box's drop-down
// list, by the mouse or by the keyboard inside the open list. Typing is not
// picking: QComboBox::activated is not used, because an editable combo box
// emits it also when editing finishes (Enter, Tab, leaving the box) on a text
// equal to an item, and when the arrow keys or the wheel step a closed box.
class ComboPick : public QObject {
    Q_OBJECT
public:
    ComboPick(QComboBox* combo, std::function<void()> onPick);

private slots:
    void picked();

private:
    std::function<void()> onPick_;
};

}  // namespace ampera
