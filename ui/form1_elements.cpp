// The main window's buttons of the element groups and the reactor.
#include "ui/form1.h"
#include "ui/form3_elements.h"
#include "ui/session.h"

namespace ampera {

namespace {

// Shows the element dialog modeless, created if it does not exist; a hidden
// one comes back with its entries.
Form3* showElementDialog(Session& session) {
    Form3* f = session.form<Form3>();
    f->showModeless();
    return f;
}

}  // namespace

void Form1::Command6_Click() {
    showElementDialog(session())->Frame8->hide();
    setSlotLabels(1);
}

void Form1::Command16_Click() {
    showElementDialog(session())->Frame8->hide();
    setSlotLabels(2);
}

void Form1::Command17_Click() {
    showElementDialog(session())->Frame8->hide();
    setSlotLabels(3);
}

void Form1::Command7_Click() {
    Form3* f = showElementDialog(session());
    f->Frame8->show();
    f->Frame8->raise();
}

}  // namespace ampera
