#include "ui/form7_error.h"

#include <QCloseEvent>

#include "ui/session.h"

namespace ampera {

Form7::Form7(Session& session) : FormBase(session, kName, "Ошибка", 5400, 2160) {
    buildTitleStrip("Label2", "Ошибка", nullptr, nullptr);
    Label2 = findChild<QLabel*>("Label2");
    Label1 = addLabel(this, "Label1", "", 240, 480, 4920, 900);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Command1 = addButton(this, "Command1", "OK", 2040, 1530, 1320, 375, [this] { Command1_Click(); });
}

void Form7::Command1_Click() { hide(); }

void Form7::closeEvent(QCloseEvent* e) {
    Command1_Click();
    e->accept();
}

void showErrorDialog(Session& session, const QString& message) {
    Form7* f = session.form<Form7>();
    f->showModeless();
    f->Label1->setText(message);
}

}  // namespace ampera
