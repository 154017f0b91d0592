// The main window's "Проверка": the designer's checks of the loop.
#include "ui/form1.h"
#include "ui/form8_checks.h"
#include "ui/session.h"

namespace ampera {

void Form1::Command23_Click() {
    Form8* f = session().form<Form8>();
    f->showModeless();
    f->Command1_Click();
}

}  // namespace ampera
