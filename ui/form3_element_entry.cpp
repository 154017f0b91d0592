// The element dialog: element lookups, group totals and the element entry.
#include <optional>

#include "catalogue/element_catalogue.h"
#include "core/element_totals.h"
#include "ui/form1.h"
#include "ui/form3_elements.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

// Form5's labels of one element group.
struct GroupLabels {
    QLabel *cable, *busbar, *apparatus, *currentTransformer, *currentTransformerHeading, *coils;
};

GroupLabels groupLabels(const Form5* f, int group) {
    const std::array<QLabel*, 10> l = f->elementGroup(group);
    return {l[1], l[3], l[5], l[7], l[6], l[9]};
}

}  // namespace

// ---- element lookups

void Form3::Combo1_Click() {
    const std::optional<double> key = number(Combo1->currentText());
    if (!key) return;
    if (const auto* row = catalogue::findCableJoint(*key)) Text1->setText(shown(row->r));
}

void Form3::Combo2_Click() {
    const std::optional<double> key = number(Combo2->currentText());
    if (!key) return;
    if (const auto* row = catalogue::findBusbarJoint(*key)) {
        Text3->setText(shown(row->r));
        Label7->setText(q(row->series));
    }
}

void Form3::apparatusLookup() {
    const std::optional<double> key = number(Combo3->currentText());
    if (!key) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    const catalogue::ApparatusKind kind = Option1->isChecked()   ? catalogue::ApparatusKind::CircuitBreaker
                                          : Option2->isChecked() ? catalogue::ApparatusKind::KnifeSwitch
                                                                 : catalogue::ApparatusKind::Disconnector;
    if (const std::optional<double> r = catalogue::apparatusContactResistance(kind, *key)) Text6->setText(shown(*r));
}

void Form3::Combo3_Click() { apparatusLookup(); }

void Form3::Combo4_Click() {
    const std::optional<double> key = number(Combo4->currentText());
    if (!key) return;
    if (const auto* row = catalogue::findBreakerCoil(*key)) {
        Text8->setText(shown(row->r));
        Text9->setText(shown(row->x));
    }
}

void Form3::currentTransformerLookup() {
    const catalogue::AccuracyClass c = Option4->isChecked() ? catalogue::AccuracyClass::Class1
                                                            : catalogue::AccuracyClass::Class2;
    if (const auto z = catalogue::currentTransformerImpedance(c, text(Combo5->currentText()))) {
        Text11->setText(shown(z->x));
        Text12->setText(shown(z->r));
    }
}

void Form3::Combo5_Click() { currentTransformerLookup(); }

void Form3::Option1_Click() {
    if (Option1->isChecked()) apparatusLookup();
}
void Form3::Option2_Click() {
    if (Option2->isChecked()) apparatusLookup();
}
void Form3::Option3_Click() {
    if (Option3->isChecked()) apparatusLookup();
}
void Form3::Option4_Click() {
    if (Option4->isChecked()) currentTransformerLookup();
}
void Form3::Option5_Click() {
    if (Option5->isChecked()) currentTransformerLookup();
}

// ---- totals and entry

void Form3::Command1_Click() {
    // Every number the entry will read is checked first: on a bad one nothing
    // is written and the dialog stays open with its entries.
    const ElementTotals totals = calculateElementTotals({.cableR = text(Text1),
                                                         .cableCount = text(Text2),
                                                         .busbarR = text(Text3),
                                                         .busbarLength = text(Text4),
                                                         .apparatusR = text(Text6),
                                                         .apparatusCount = text(Text5),
                                                         .coilR = text(Text8),
                                                         .coilX = text(Text9),
                                                         .coilCount = text(Text7),
                                                         .ctR = text(Text12),
                                                         .ctX = text(Text11),
                                                         .ctCount = text(Text10)});
    const bool enter = Check3->isChecked();
    bool bad = totals.error != NumError::None;
    if (enter)
        for (const QComboBox* c : {Combo1, Combo2, Combo3, Combo4})
            if (!number(c->currentText())) bad = true;
    if (bad) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }

    Text13->setText(shown(totals.r));
    Text14->setText(shown(totals.x));
    hide();
    if (!enter) return;

    // The main window's current slot decides the group, read now.
    Form1* main = session().main();
    QLineEdit* fields[3][2] = {{main->txtRd, main->txtXd}, {main->txtRd1, main->txtXd1}, {main->txtRd2, main->txtXd2}};
    bool chosen[3] = {};
    for (int g = 0; g < 3; ++g) {
        chosen[g] = main->slotIsCurrent(g + 1);
        if (chosen[g]) {
            fields[g][0]->setText(Text13->text());
            fields[g][1]->setText(Text14->text());
        }
    }
    Form5* summary = session().form<Form5>();
    summary->showModeless();
    for (int g = 0; g < 3; ++g)
        if (chosen[g]) writeDescription(g + 1);

    session().discard(kName);
}

void Form3::writeDescription(int group) {
    const GroupLabels l = groupLabels(session().form<Form5>(), group);
    auto present = [](const QComboBox* c) { return number(c->currentText()).value_or(0.0) != 0.0; };

    l.cable->setText(present(Combo1) ? "соединение,шт " + Text2->text() + " ,сечение,мм.кв " + Combo1->currentText() +
                                           " ,R,мОм = " + Text1->text()
                                     : QString());
    l.busbar->setText(present(Combo2) ? "длина,м " + Text4->text() + " ,номинал.ток,А " + Combo2->currentText() +
                                            " ,R,мОм = " + Text3->text()
                                      : QString());
    if (present(Combo3)) {
        const QString kind = Option1->isChecked()   ? "ко-во конт.автом,шт "
                             : Option2->isChecked() ? "ко-во конт.рубильника,шт "
                                                    : "ко-во конт.разъединителя,шт ";
        l.apparatus->setText(kind + Text5->text() + " ,номинал.ток,А " + Combo3->currentText() +
                             " ,R,мОм = " + Text6->text());
    } else {
        l.apparatus->setText(QString());
    }
    if (Combo5->currentText() != "0") {
        l.currentTransformer->setText("ко-во обмоток,шт " + Text10->text() + " ,коэфф.трансф Ктр " +
                                      Combo5->currentText() + " ,R,мОм = " + Text12->text() +
                                      " ,X,мОм = " + Text11->text());
        l.currentTransformerHeading->setText(Option4->isChecked() ? "обм.тр-ров тока,класс1"
                                                                  : "обм.тр-ров тока,класс2");
    } else {
        l.currentTransformer->setText(QString());
        l.currentTransformerHeading->setText(QString());
    }
    l.coils->setText(present(Combo4)
                         ? "ко-во катушек,шт " + Text7->text() + " ,номинал.ток,А " + Combo4->currentText() +
                               " ,R,мОм = " + Text8->text() + " ,X,мОм = " + Text9->text()
                         : QString());
}

}  // namespace ampera
