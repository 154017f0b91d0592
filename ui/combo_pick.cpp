#include "ui/combo_pick.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace ampera {

ComboPick::ComboPick(QComboBox* combo, std::function<void()> onPick) : QObject(combo), onPick_(std::move(onPick)) {
    // The drop-down container around the list view reports the chosen item
    // after the combo box has taken it as its current item and text.
    QWidget* dropDown = combo->view()->parentWidget();
    const bool connected = dropDown && connect(dropDown, SIGNAL(itemSelected(QModelIndex)), this, SLOT(picked()));
    Q_ASSERT(connected);
    (void)connected;
}

void ComboPick::picked() {
    if (onPick_) onPick_();
}

}  // namespace ampera
