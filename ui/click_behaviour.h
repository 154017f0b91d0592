#pragma once

#include <QHash>
#include <functional>

class QCheckBox;
class QListWidget;
class QObject;
class QRadioButton;

namespace ampera {

// The click behaviour of a window's options, check boxes and lists, so that
// the program can set a value as a user's click would: the behaviour runs.
class ClickBehaviour {
public:
    void select(QRadioButton* option);
    void setValue(QCheckBox* box, bool ticked);
    void setListIndex(QListWidget* list, int index);

protected:
    void addClickBehaviour(QObject* control, std::function<void()> behaviour);
    void clearClickBehaviours() { behaviours_.clear(); }

private:
    void run(QObject* control) const;
    QHash<QObject*, std::function<void()>> behaviours_;
};

}  // namespace ampera
