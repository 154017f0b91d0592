// "Отчет": the report of the current calculation.
#include "ui/form1.h"
#include "ui/session.h"

namespace ampera {

void Form1::Command22_Click() {}

}  // namespace ampera
