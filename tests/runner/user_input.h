#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace runner {

// A key press and release on a widget, delivered as the windowing system
// delivers it (a key the widget ignores goes on to its parents).
void pressKey(QWidget* w, int key, const QString& text);

// The combo box's drop-down list opens, the item at index becomes current
// in it and Enter takes it, as a user picks it.
void pickItem(QComboBox* combo, int index);

}  // namespace runner
