// The element dialog's reactor frame: impedance, entry and saving.
#include "core/element_totals.h"
#include "model/calculation_steps.h"
#include "model/reactor_lines.h"
#include "ui/form3_elements.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

void Form3::Command3_Click() {
    const model::ReactorTexts& r = model().reactor;
    const ReactorImpedance z = calculateReactor(ReactorTexts{r.pp, r.ip, r.l, r.m, r.f});
    if (z.error != NumError::None) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    if (!z.computed) return;  // no rated current: nothing to compute
    reactorField(&model::ReactorTexts::r)->setText(shown(z.r));
    reactorField(&model::ReactorTexts::x)->setText(shown(z.x));
}

void Form3::Command2_Click() {
    const bool enter = Check2->isChecked();
    const std::optional<double> rr = number(reactorField(&model::ReactorTexts::r));
    if (enter && !rr) {
        // Nothing is entered; the dialog stays open for a correction.
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    hide();
    if (!enter) return;

    session().form<Form5>()->showModeless();
    model::enterReactor(model(), *rr != 0.0);
}

void Form3::Command4_Click() {
    if (!Check1->isChecked()) return;
    saveSettings(session(), reactorSettings());
}

std::vector<Setting> Form3::reactorSettings() const {
    using T = model::ReactorTexts;
    return {{"R", "Pp", reactorField(&T::pp)},
            {"R", "Ip", reactorField(&T::ip)},
            {"R", "L", reactorField(&T::l)},
            {"R", "G", reactorField(&T::m)},
            {"R", "F", reactorField(&T::f)}};
}

QLineEdit* Form3::reactorField(std::string model::ReactorTexts::*text) const {
    for (const model::ReactorLine& l : model::kReactorLines)
        if (l.text == text) return findChild<QLineEdit*>(l.fieldName);
    return nullptr;
}

// ---- the pages the main window opens

void Form3::showElements() {
    showModeless();
    Frame8->hide();
}

void Form3::showReactor() {
    showModeless();
    Frame8->show();
    Frame8->raise();
}

}  // namespace ampera
