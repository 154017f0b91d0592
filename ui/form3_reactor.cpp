// The element dialog's reactor frame: impedance, entry and saving.
#include "core/element_totals.h"
#include "ui/form1.h"
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

    Form1* main = session().main();
    main->txtRr->setText(txtRr->text());
    main->txtXr->setText(txtXr->text());
    Form5* summary = session().form<Form5>();
    summary->showModeless();
    if (*rr == 0.0) return;
    summary->Label48->setText("потери активной мощности в фазе реактора при Iном,Ррном,Вт " + Text15->text());
    summary->Label47->setText("номинальный ток реактора, Iрном, А " + Text16->text());
    summary->Label46->setText("индуктивность катушки реактора, L, Гн " + Text17->text());
    summary->Label45->setText("взаимная индукциямежду фазами реактора, М, Гн " + Text18->text());
    summary->Label43->setText("частота напряжения сети, f, Гц " + Text19->text());
    summary->Label54->setText("Rр,мОм = " + txtRr->text());
    summary->Label56->setText("Хр,мОм = " + txtXr->text());
}

void Form3::Command4_Click() {
    if (!Check1->isChecked()) return;
    saveSettings(session(), reactorSettings());
}

std::vector<Setting> Form3::reactorSettings() const {
    return {{"R", "Pp", Text15}, {"R", "Ip", Text16}, {"R", "L", Text17}, {"R", "G", Text18}, {"R", "F", Text19}};
}

}  // namespace ampera
