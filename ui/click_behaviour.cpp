#include "ui/click_behaviour.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ampera {

void ClickBehaviour::run(QObject* control) const {
    if (auto it = behaviours_.find(control); it != behaviours_.end()) (*it)();
}

void ClickBehaviour::select(QRadioButton* option) {
    option->setChecked(true);
    run(option);
}

void ClickBehaviour::setValue(QCheckBox* box, bool ticked) {
    if (box->isChecked() == ticked) return;
    box->setChecked(ticked);
    run(box);
}

void ClickBehaviour::setListIndex(QListWidget* list, int index) {
    {
        QSignalBlocker block(list);
        list->setCurrentRow(index);
    }
    run(list);
}

void ClickBehaviour::addClickBehaviour(QObject* control, std::function<void()> behaviour) {
    behaviours_.insert(control, std::move(behaviour));
}

}  // namespace ampera
