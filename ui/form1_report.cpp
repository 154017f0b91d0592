// "Отчет": the report of the current calculation.
#include <QDir>
#include <optional>

#include "storage/file_locations.h"
#include "storage/report_writer.h"
#include "ui/form1.h"
#include "ui/form3_elements.h"
#include "ui/form4_arc_motor.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/form8_checks.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

// A field the report tests for 0: a text that is not a number is not 0, so
// its block is printed and the user sees what the field holds.
bool isNotZero(const QLineEdit* e) {
    const std::optional<double> v = number(e);
    return !v || *v != 0.0;
}

bool flagSet(const QLabel* l) { return l->text() == "1"; }

// A line slot's description, its heading left out.
std::array<std::string, 6> lineTexts(const Form5* s, int slot) {
    const std::array<QLabel*, 7> labels = s->lineSlot(slot);
    std::array<std::string, 6> out;
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = text(labels[k + 1]);
    return out;
}

std::array<ReportData::ElementLine, 5> elementColumn(const Form5* s, int group) {
    const std::array<QLabel*, 10> labels = s->elementGroup(group);
    std::array<ReportData::ElementLine, 5> out;
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = {text(labels[2 * k]), text(labels[2 * k + 1])};
    return out;
}

}  // namespace

void Form1::Command22_Click() {
    ReportData d;
    d.st = text(txtSt);
    d.u = text(txtU);
    d.uf = text(txtUf);
    d.pk = text(txtPk);
    d.uk = text(txtUk);
    d.i = text(txtI);
    d.deltaY = Option17->isChecked();

    const Form5* s = session().form<Form5>();
    d.line1 = lineTexts(s, 1);
    d.line2 = lineTexts(s, 2);
    d.line3 = lineTexts(s, 3);
    for (int g = 0; g < 3; ++g) d.elements[static_cast<std::size_t>(g)] = elementColumn(s, g + 1);

    d.reactor = isNotZero(session().form<Form3>()->txtRr);
    const QLabel* reactor[] = {s->Label48, s->Label47, s->Label46, s->Label45, s->Label43, s->Label54, s->Label56};
    for (std::size_t k = 0; k < d.reactorLines.size(); ++k) d.reactorLines[k] = text(reactor[k]);

    const Form4* f = session().form<Form4>();
    d.arc = !f->Text9->text().isEmpty();
    d.kcCaption = text(f->Label10);
    d.kcValue = text(f->Text9);
    d.zkCaption = text(f->Label11);
    d.zkValue = text(f->Text10);

    d.motor = isNotZero(f->Text6);
    d.motorLines = {{{text(f->Label1), text(f->Text1)},
                     {text(f->Label2), text(f->Text2)},
                     {text(f->Label4), text(f->Text3)},
                     {text(f->Label5), text(f->Text4)},
                     {text(f->Label6), text(f->Text5)},
                     {text(f->Label7), text(f->Text6)}}};

    d.threePhase = Option12->isChecked();
    d.computedCurrentCaption = text(Label44);
    d.computedCurrent = text(Label62);
    d.motorConfirmed = flagSet(f->Label14) && f->Check3->isChecked();
    d.motorCaption = text(f->Label8);
    d.motorCurrent = text(f->Text7);
    d.arcConfirmed = flagSet(f->Label13) && f->Check2->isChecked();
    d.arcCaption = text(f->Label12);
    d.arcCurrent = text(f->Text11);
    d.shownCurrent = text(Text4);
    if (Form8* checks = session().existing<Form8>()) d.checks = checks->reportLines();

    const QString path = session().reportPath();
    std::optional<StorageError> error;
    StorageError folderError;
    if (!makeFolder(session().locations().reportFolder, folderError)) error = folderError;
    if (error || !appendReport(text(path), d, &error)) {
        const QString why = error ? q(error->description) : QString();
        showErrorDialog(session(), "Не удалось записать отчет в файл " + QDir::toNativeSeparators(path) + ": " + why);
        return;
    }
    session().platform().launch("open", path);
}

}  // namespace ampera
