// The main window's button of the transformer catalogue.
#include "ui/form1.h"
#include "ui/session.h"

namespace ampera {

void Form1::Command20_Click() {}

}  // namespace ampera
