// The element dialog: element lookups, group totals and the element entry.
#include <optional>

#include "catalogue/element_catalogue.h"
#include "core/element_totals.h"
#include "model/calculation_steps.h"
#include "ui/form3_elements.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

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
    bool chosen[3] = {};
    for (int g = 0; g < 3; ++g) chosen[g] = model().main.slotIsCurrent(g + 1);
    session().form<Form5>()->showModeless();
    const model::ElementSummary description = describeElements();
    for (int g = 0; g < 3; ++g)
        if (chosen[g]) model::enterElementGroup(model(), g + 1, {text(Text13), text(Text14)}, description);

    session().discard(kName);
}

model::ElementSummary Form3::describeElements() const {
    auto present = [](const QComboBox* c) { return number(c->currentText()).value_or(0.0) != 0.0; };
    const auto t = [](const QLineEdit* e) { return text(e); };
    const auto c = [](const QComboBox* e) { return text(e->currentText()); };
    model::ElementSummary d;
    if (present(Combo1))
        d.cable = "соединение,шт " + t(Text2) + " ,сечение,мм.кв " + c(Combo1) + " ,R,мОм = " + t(Text1);
    if (present(Combo2)) d.busbar = "длина,м " + t(Text4) + " ,номинал.ток,А " + c(Combo2) + " ,R,мОм = " + t(Text3);
    if (present(Combo3)) {
        const std::string kind = Option1->isChecked()   ? "ко-во конт.автом,шт "
                                 : Option2->isChecked() ? "ко-во конт.рубильника,шт "
                                                        : "ко-во конт.разъединителя,шт ";
        d.apparatus = kind + t(Text5) + " ,номинал.ток,А " + c(Combo3) + " ,R,мОм = " + t(Text6);
    }
    if (c(Combo5) != "0") {
        d.currentTransformer = "ко-во обмоток,шт " + t(Text10) + " ,коэфф.трансф Ктр " + c(Combo5) +
                               " ,R,мОм = " + t(Text12) + " ,X,мОм = " + t(Text11);
        d.currentTransformerHeading = Option4->isChecked() ? "обм.тр-ров тока,класс1" : "обм.тр-ров тока,класс2";
    } else {
        d.currentTransformerHeading.clear();
    }
    if (present(Combo4))
        d.coils = "ко-во катушек,шт " + t(Text7) + " ,номинал.ток,А " + c(Combo4) + " ,R,мОм = " + t(Text8) +
                  " ,X,мОм = " + t(Text9);
    return d;
}

}  // namespace ampera
