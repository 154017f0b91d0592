// The element dialog's reactor frame: impedance, entry and saving.
#include "core/element_totals.h"
#include "model/calculation_steps.h"
#include "ui/form3_elements.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

void Form3::Command3_Click() {
    const ReactorImpedance z = calculateReactor(
        ReactorTexts{text(Text15), text(Text16), text(Text17), text(Text18), text(Text19)});
    if (z.error != NumError::None) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    if (!z.computed) return;  // no rated current: nothing to compute
    txtRr->setText(shown(z.r));
    txtXr->setText(shown(z.x));
}

void Form3::Command2_Click() {
    const bool enter = Check2->isChecked();
    const std::optional<double> rr = number(txtRr);
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
    return {{"R", "Pp", Text15}, {"R", "Ip", Text16}, {"R", "L", Text17}, {"R", "G", Text18}, {"R", "F", Text19}};
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
