#include "ui/form6_transformer_catalogue.h"

#include <QCloseEvent>
#include <QSignalBlocker>
#include <span>

#include "catalogue/transformer_catalogue.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

using catalogue::LossVariant;
using catalogue::TransformerRecord;

const char* const kTitle = "ampera Короткое замыкание ";

QStringList numbers(std::span<const double> values) {
    QStringList items;
    for (double v : values) items << shown(v);
    return items;
}

}  // namespace

Form6::Form6(Session& session) : FormBase(session, kName, "Каталог трансформаторов", 6480, 4920) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", kTitle, nullptr, Picture1);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1, &ClickLabel::clicked, this, [this] { Picture1_Click(); });

    Frame1 = addFrame(this, "Frame1", "тип трансформатора ", 120, 480, 2400, 4200);
    List1 = addList(Frame1, "List1", 120, 300, 2160, 3765, [this] { List1_Click(); });

    constexpr int kLeft = 2760;
    constexpr int kLabelWidth = 3600;
    constexpr int kFieldWidth = 1455;
    Label1 = addLabel(this, "Label1", "Номинальная мощность, кВа", kLeft, 480, kLabelWidth, 255);
    txtSt = addText(this, "txtSt", kLeft, 750, kFieldWidth, 300);
    Label2 = addLabel(this, "Label2", "Номинальное высшее напряжение, кВ", kLeft, 1110, kLabelWidth, 255);
    cmU = addCombo(this, "cmU", kLeft, 1380, kFieldWidth, 315, nullptr);
    Label3 = addLabel(this, "Label3", "Номинальное низшее напряжение, В", kLeft, 1755, kLabelWidth, 255);
    txtUf = addText(this, "txtUf", kLeft, 2025, kFieldWidth, 300);
    Label4 = addLabel(this, "Label4", "Потери короткого замыкания, кВт", kLeft, 2385, kLabelWidth, 255);
    cmPk = addCombo(this, "cmPk", kLeft, 2655, kFieldWidth, 315, [this] { cmPk_Click(); });
    Label5 = addLabel(this, "Label5", "Напряжение короткого замыкания, %", kLeft, 3030, kLabelWidth, 255);
    txtUk = addText(this, "txtUk", kLeft, 3300, kFieldWidth, 300);
    Label6 = addLabel(this, "Label6", "Схема и группа объединения обмоток", kLeft, 3660, kLabelWidth, 255);
    Text4 = addText(this, "Text4", kLeft, 3930, kFieldWidth, 300);

    Command1 = addButton(this, "Command1", "ввести", kLeft, 4305, kFieldWidth, 375, [this] { Command1_Click(); });
    Check1 = addCheck(this, "Check1", "", kLeft + kFieldWidth + 120, 4365, 255, 255, true, nullptr);
    makeConfirm(Check1, Command1);
}

void Form6::Form_Load() {
    {
        QSignalBlocker block(List1);
        List1->clear();
        for (const TransformerRecord& record : catalogue::transformerCatalogue()) List1->addItem(q(record.designation));
    }
    setListIndex(List1, 0);
    Label6->hide();
    Text4->hide();
}

void Form6::List1_Click() {
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    const TransformerRecord* record = catalogue::findTransformer(text(item->text()));
    if (!record) return;
    txtSt->setText(shown(record->ratedPower));
    fillCombo(cmU, {}, {});
    fillCombo(cmPk, {}, {});
    const QStringList highVoltages = numbers(record->highVoltages);
    fillCombo(cmU, highVoltages, highVoltages.value(0));
    txtUf->setText(shown(record->lowVoltage));
    const QStringList losses = numbers(record->losses);
    fillCombo(cmPk, losses, losses.value(0));
    txtUk->setText(shown(record->uk));
    Text4->setText(q(record->scheme));
}

void Form6::cmPk_Click() {
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    const TransformerRecord* record = catalogue::findTransformer(text(item->text()));
    if (!record) return;
    const int index = cmPk->currentIndex();
    if (index < 0) return;
    const LossVariant* variant = catalogue::lossVariant(*record, static_cast<std::size_t>(index));
    if (!variant) return;  // this type's entries carry no settings
    if (variant->uk) txtUk->setText(shown(*variant->uk));
    if (variant->scheme) Text4->setText(q(*variant->scheme));
    if (variant->uf) txtUf->setText(shown(*variant->uf));
}

void Form6::Command1_Click() {
    if (Check1->isChecked()) {
        // Copied as they stand; the main window's own rules judge the texts.
        model::MainTexts& m = model().main;
        model().set(m.st, text(txtSt));
        model().set(m.u, text(cmU->currentText()));
        model().set(m.uf, text(txtUf));
        model().set(m.pk, text(cmPk->currentText()));
        model().set(m.uk, text(txtUk));
    }
    hide();
    session().discard(kName);
}

void Form6::closeEvent(QCloseEvent* e) {
    hide();
    session().discard(kName);
    e->accept();
}

void Form6::Picture1_Click() { showMinimized(); }

}  // namespace ampera
