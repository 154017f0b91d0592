// "Отчет": the report of the current calculation.
#include <QDir>
#include <optional>

#include "core/number_text.h"
#include "storage/file_locations.h"
#include "storage/report_writer.h"
#include "ui/form7_error.h"
#include "ui/form1.h"
#include "ui/form3_elements.h"
#include "ui/form4_arc_motor.h"
#include "ui/form5_summary.h"
#include "ui/form8_checks.h"
#include "ui/platform.h"
#include "ui/session.h"

namespace ampera {

namespace {

std::string text(const QLineEdit* e) { return e->text().toStdString(); }
std::string caption(const QLabel* l) { return l->text().toStdString(); }

// A field the report tests for 0: a text that is not a number is not 0, so
// its block is printed and the user sees what the field holds.
bool isNotZero(const QLineEdit* e) {
    const Checked<double> v = parseDouble(text(e));
    return !v.ok() || v.value != 0.0;
}

bool flagSet(const QLabel* l) { return l->text() == "1"; }

std::array<std::string, 6> captions(std::initializer_list<const QLabel*> labels) {
    std::array<std::string, 6> out;
    std::size_t k = 0;
    for (const QLabel* l : labels) out[k++] = caption(l);
    return out;
}

std::array<ReportData::ElementLine, 5> elementColumn(
    std::initializer_list<std::pair<const QLabel*, const QLabel*>> pairs) {
    std::array<ReportData::ElementLine, 5> out;
    std::size_t k = 0;
    for (const auto& [heading, value] : pairs) out[k++] = {caption(heading), caption(value)};
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
    d.line1 = captions({s->Label2, s->Label3, s->Label4, s->Label5, s->Label6, s->Label7});
    d.line2 = captions({s->Label22, s->Label33, s->Label44, s->Label55, s->Label66, s->Label77});
    d.line3 = captions({s->Label222, s->Label333, s->Label444, s->Label555, s->Label666, s->Label777});
    d.elements[0] = elementColumn({{s->Label8, s->Label9},
                                   {s->Label10, s->Label11},
                                   {s->Label12, s->Label13},
                                   {s->Label16, s->Label17},
                                   {s->Label18, s->Label20}});
    d.elements[1] = elementColumn({{s->Label31, s->Label30},
                                   {s->Label29, s->Label28},
                                   {s->Label27, s->Label26},
                                   {s->Label25, s->Label24},
                                   {s->Label23, s->Label21}});
    d.elements[2] = elementColumn({{s->Label42, s->Label41},
                                   {s->Label40, s->Label39},
                                   {s->Label38, s->Label37},
                                   {s->Label36, s->Label35},
                                   {s->Label34, s->Label32}});

    d.reactor = isNotZero(session().form<Form3>()->txtRr);
    const QLabel* reactor[] = {s->Label48, s->Label47, s->Label46, s->Label45, s->Label43, s->Label54, s->Label56};
    for (std::size_t k = 0; k < d.reactorLines.size(); ++k) d.reactorLines[k] = caption(reactor[k]);

    const Form4* f = session().form<Form4>();
    d.arc = !f->Text9->text().isEmpty();
    d.kcCaption = caption(f->Label10);
    d.kcValue = text(f->Text9);
    d.zkCaption = caption(f->Label11);
    d.zkValue = text(f->Text10);

    d.motor = isNotZero(f->Text6);
    d.motorLines = {{{caption(f->Label1), text(f->Text1)},
                     {caption(f->Label2), text(f->Text2)},
                     {caption(f->Label4), text(f->Text3)},
                     {caption(f->Label5), text(f->Text4)},
                     {caption(f->Label6), text(f->Text5)},
                     {caption(f->Label7), text(f->Text6)}}};

    d.threePhase = Option12->isChecked();
    d.computedCurrentCaption = caption(Label44);
    d.computedCurrent = caption(Label62);
    d.motorConfirmed = flagSet(f->Label14) && f->Check3->isChecked();
    d.motorCaption = caption(f->Label8);
    d.motorCurrent = text(f->Text7);
    d.arcConfirmed = flagSet(f->Label13) && f->Check2->isChecked();
    d.arcCaption = caption(f->Label12);
    d.arcCurrent = text(f->Text11);
    d.shownCurrent = text(Text4);
    if (Form8* checks = session().existing<Form8>()) d.checks = checks->reportLines();

    const QString path = session().reportPath();
    std::optional<StorageError> error;
    StorageError folderError;
    if (!makeFolder(session().locations().reportFolder, folderError)) error = folderError;
    if (error || !appendReport(path.toStdString(), d, &error)) {
        const QString why = error ? QString::fromStdString(error->description) : QString();
        showErrorDialog(session(), "Не удалось записать отчет в файл " + QDir::toNativeSeparators(path) + ": " + why);
        return;
    }
    session().platform().launch("open", path);
}

}  // namespace ampera
