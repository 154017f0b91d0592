#include "tests/runner/user_input.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>

namespace runner {

void pressKey(QWidget* w, int key, const QString& text) {
    QPointer<QWidget> target(w);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    if (!target) return;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void pickItem(QComboBox* combo, int index) {
    QPointer<QComboBox> box(combo);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
    pressKey(view, Qt::Key_Return, "\r");
    if (box && box->view()->isVisible()) box->hidePopup();
}

}  // namespace runner
