// The main window's buttons of the element groups and the reactor.
#include "ui/form1.h"
#include "ui/session.h"

namespace ampera {

void Form1::Command6_Click() {}
void Form1::Command16_Click() {}
void Form1::Command17_Click() {}
void Form1::Command7_Click() {}

}  // namespace ampera
