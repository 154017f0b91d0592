#pragma once

#include <QCheckBox>
#include <QHash>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <functional>

namespace ampera {

// The click behaviour of a window's options, check boxes and lists, so that
// the program can set a value as a user's click would: the behaviour runs.
class ClickBehaviour {
public:
    void select(QRadioButton* option) {
        option->setChecked(true);
        run(option);
    }
    void setValue(QCheckBox* box, bool ticked) {
        if (box->isChecked() == ticked) return;
        box->setChecked(ticked);
        run(box);
    }
    void setListIndex(QListWidget* list, int index) {
        {
            QSignalBlocker block(list);
            list->setCurrentRow(index);
        }
        run(list);
    }

protected:
    void addClickBehaviour(QObject* control, std::function<void()> b) { behaviours_.insert(control, std::move(b)); }
    void clearClickBehaviours() { behaviours_.clear(); }

private:
    void run(QObject* control) const {
        if (auto it = behaviours_.find(control); it != behaviours_.end()) (*it)();
    }
    QHash<QObject*, std::function<void()>> behaviours_;
};

}  // namespace ampera
