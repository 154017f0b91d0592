// The main window's arc and motor buttons.
#include "ui/form1.h"
#include "ui/session.h"

namespace ampera {

void Form1::Command15_Click() {}
void Form1::Command14_Click() {}
void Form1::stopArcTimer() {}

}  // namespace ampera
