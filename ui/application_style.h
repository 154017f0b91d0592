#pragma once

class QApplication;

namespace ampera {

// The look shared by the program and the scenario runner: one style and
// one font everywhere, so that captions fit the twips they are placed in.
void setUpApplication(QApplication& app);

}  // namespace ampera
