// The main window's arc and motor buttons.
#include "ui/form1.h"
#include "ui/form4_arc_motor.h"
#include "ui/session.h"

namespace ampera {

namespace {

// Brings the arc-and-motor window up on one of its pages.
void showPage(Form4* f, bool arcPage) {
    f->takeCalculatedCurrent();
    f->Frame4->setVisible(arcPage);
    f->Frame5->setVisible(!arcPage);
    f->showModeless();
}

}  // namespace

void Form1::Command15_Click() {
    Form4* f = session().form<Form4>();
    showPage(f, true);
    f->Timer1->start();
}

void Form1::Command14_Click() { showPage(session().form<Form4>(), false); }

void Form1::stopArcTimer() {
    if (Form4* f = session().existing<Form4>()) f->Timer1->stop();
}

}  // namespace ampera
