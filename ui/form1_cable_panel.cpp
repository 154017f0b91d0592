// The cable panel of the main window and the entry of a cable section into a line slot.
#include <QFont>
#include <QFontMetrics>
#include <optional>
#include <string>

#include "catalogue/cable_catalogue.h"
#include "core/line_entry.h"
#include "model/calculation_steps.h"
#include "ui/form1.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/frame_style.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

// The panel covers the input area from its top-left corner.
constexpr int kPanelWidth = 10215;
constexpr int kPanelHeight = 5415;

// Layout of the panel, twips.
constexpr int kListLeft = 240, kListTop = 360, kListWidth = 2040, kListHeight = 4815;
constexpr int kOptionLeft = 2520, kOptionTop = 330, kOptionStep = 315, kOptionWidth = 7455, kOptionHeight = 285;
constexpr int kValueTop = 3330, kValueStep = 1860, kValueWidth = 1095;
constexpr int kFootnoteTop = 4050;
constexpr int kEntryTop = 4650;

const char* const kLengthCaptions[3] = {"L1 длина, м", "L2 длина, м", "L3 длина, м"};
const char* const kSlotCaptions[3] = {"Выбор для Л1", "Выбор для Л2", "Выбор для Л3"};

}  // namespace

void Form1::buildCablePanel() {
    Frame2 = addFrame(Frame1, "Frame2", "Активные и индуктивные сопротивления кабелей", 0, 0, kPanelWidth,
                      kPanelHeight);
    makeCovering(Frame2);  // the panel covers the input area

    List1 = addList(Frame2, "List1", kListLeft, kListTop, kListWidth, kListHeight, [this] { List1_Click(); });

    QRadioButton** options[] = {&Option1, &Option2, &Option3, &Option4, &Option5,
                                &Option6, &Option7, &Option8, &Option9};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "Option" + QByteArray::number(i + 1);
        const auto caption = catalogue::cableTypes()[static_cast<std::size_t>(i)].caption;
        *options[i] = addOption(Frame2, name.constData(), q(caption), kOptionLeft, kOptionTop + i * kOptionStep,
                                kOptionWidth, kOptionHeight, [this, i] { OptionCable_Click(i + 1); });
    }

    // The per-metre values, each under its caption.
    struct Value {
        QLineEdit** field;
        const char* name;
        QLabel** label;
        const char* labelName;
        const char* caption;
        const char* initial;
    };
    const Value values[] = {
        {&xtxR1, "xtxR1", &Label1, "Label1", "r1 = r2, мОм/м", "9,61"},
        {&txtX1, "txtX1", &Label2, "Label2", "x1 = x2, мОм/м", "0,092"},
        {&txtR0, "txtR0", &Label3, "Label3", "r0, мОм/м", "10,95"},
        {&txtX0, "txtX0", &Label4, "Label4", "х0, мОм/м", "0,579"},
    };
    for (int i = 0; i < 4; ++i) {
        const Value& v = values[i];
        const int left = kOptionLeft + i * kValueStep;
        *v.label = addLabel(Frame2, v.labelName, v.caption, left, kValueTop, kValueStep - 120, 255);
        *v.field = addText(Frame2, v.name, left, kValueTop + 270, kValueWidth, 285, v.initial);
    }

    // Footnote to the copper cable in a steel sheath, with the square sign raised after "мм".
    Label5 = addLabel(Frame2, "Label5", "*** Заземление выполнено медным проводом сечением 120 мм", kOptionLeft,
                      kFootnoteTop, 7000, 255);
    Label5->resize(Label5->sizeHint().width(), Label5->height());
    Label6 = addLabel(Frame2, "Label6", "2", 0, 0, 120, 180);
    QFont small = Label6->font();
    small.setPixelSize(std::max(6, small.pixelSize() > 0 ? small.pixelSize() * 2 / 3 : 7));
    Label6->setFont(small);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->resize(QFontMetrics(small).horizontalAdvance(Label6->text()) + 2, QFontMetrics(small).height());
    Label6->move(Label5->x() + Label5->width(), Label5->y() - 1);

    // Entry row: the length of the chosen slot, then the confirm box and button.
    Label23 = addLabel(Frame2, "Label23", kLengthCaptions[0], kOptionLeft, kEntryTop + 30, 1320, 255);
    Label23->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit** lengths[] = {&txtL1, &txtL2, &txtL3};
    const char* lengthNames[] = {"txtL1", "txtL2", "txtL3"};
    for (int i = 0; i < 3; ++i) {
        *lengths[i] = addText(Frame2, lengthNames[i], kOptionLeft + 1440, kEntryTop, 1200, 315, "0");
        setTone(*lengths[i], Tone::Entry);
    }
    Check3 = addCheck(Frame2, "Check3", "", 5520, kEntryTop + 30, 255, 255, true, nullptr);
    Command5 = addButton(Frame2, "Command5", "ввести", 5880, kEntryTop - 30, 1335, 375, [this] { Command5_Click(); });
    makeConfirm(Check3, Command5);
    Label41 = addLabel(Frame2, "Label41", kSlotCaptions[0], 7335, kEntryTop + 30, 1800, 255);
    QFont bold = Label41->font();
    bold.setBold(true);
    Label41->setFont(bold);
}

// The panel's own entries as the window is made: the lengths at 0, line 1's captions, the entry confirmed.
void Form1::resetCablePanel() {
    for (QLineEdit* e : {txtL1, txtL2, txtL3}) {
        e->setText("0");
        e->show();
    }
    Label23->setText(kLengthCaptions[0]);
    Label41->setText(kSlotCaptions[0]);
    setValue(Check3, true);
}

QRadioButton* Form1::cableOption(int type) const {
    QRadioButton* const options[] = {Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9};
    return options[type - 1];
}

// ---- cable catalogue

void Form1::fillCableList(int type) {
    if (type < 1 || type > 9) return;
    QSignalBlocker block(List1);  // emptying and filling is no selection
    List1->clear();
    for (const catalogue::CableRow& row : catalogue::cableTypes()[static_cast<std::size_t>(type - 1)].rows)
        List1->addItem(q(row.label));
}

void Form1::OptionCable_Click(int type) {
    fillCableList(type);
    setListIndex(List1, 0);
}

void Form1::List1_Click() {
    int type = 0;
    for (int t = 1; t <= 9 && type == 0; ++t)
        if (cableOption(t)->isChecked()) type = t;
    if (type == 0) return;
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    const catalogue::CableRow* row = catalogue::findCableRow(type, text(item->text()));
    if (!row) return;
    xtxR1->setText(q(row->r1));
    txtX1->setText(q(row->x1));
    txtR0->setText(q(row->r0));
    txtX0->setText(q(row->x0));
}

// ---- line slots

void Form1::chooseCableSlot(int slot) {
    if (slot < 1 || slot > 3) return;
    QLineEdit* const lengths[] = {txtL1, txtL2, txtL3};
    // The panel opens on the first cable of the first type, with the slot's length at 0.
    setListIndex(List1, 0);
    lengths[slot - 1]->setText("0");
    select(Option1);
    model::chooseSlot(model(), slot);
    // It covers the input area and shows only the chosen slot's length.
    place(Frame2, 0, 0, kPanelWidth, kPanelHeight);
    Frame2->raise();
    Frame2->show();
    for (int i = 0; i < 3; ++i) lengths[i]->setVisible(i == slot - 1);
    Label23->setText(kLengthCaptions[slot - 1]);
    Label41->setText(kSlotCaptions[slot - 1]);
    for (QWidget* w : {Frame7, Frame8, Frame9}) w->hide();
}

void Form1::Command2_Click() {
    if (!Option10->isChecked()) {
        // Overhead line: its own panel takes the input area; nothing else changes.
        place(Frame11, 0, 0, kPanelWidth, kPanelHeight);
        Frame11->raise();
        Frame11->show();
        return;
    }
    chooseCableSlot(1);
}

void Form1::Command3_Click() { chooseCableSlot(2); }

void Form1::Command4_Click() { chooseCableSlot(3); }

// Enters the chosen cable with its length into the current slot: the per-metre
// values times the length into the slot fields and a description into the data
// summary. Every operand is checked before anything is written: on a text that
// is not a number, or a product too large for a double, the error dialog is
// shown and neither the slot nor the summary changes.
void Form1::Command5_Click() {
    auto closePanel = [this] {
        Frame2->hide();
        for (QWidget* w : {Frame7, Frame8, Frame9}) w->show();
    };
    // "назад" only closes the panel.
    if (!Check3->isChecked()) {
        closePanel();
        return;
    }

    const QLineEdit* const lengths[3] = {txtL1, txtL2, txtL3};
    const SectionTexts perMetre = {text(xtxR1), text(txtX1), text(txtR0), text(txtX0)};

    // The section of every slot that is current, computed before the first
    // write. A text that is not a number is reported and the panel stays open
    // with its entries, so the user can correct it.
    std::optional<SectionTexts> sections[3];
    for (int s = 0; s < 3; ++s) {
        if (!model().main.slotIsCurrent(s + 1)) continue;
        const Checked<SectionTexts> section = cableSection(perMetre, text(lengths[s]));
        if (!section.ok()) {
            showErrorDialog(session(), kDecimalCommaMessage);
            return;
        }
        sections[s] = section.value;
    }

    closePanel();
    session().form<Form5>()->showModeless();

    QString typeCaption;
    for (int t = 1; t <= 9; ++t) {
        if (cableOption(t)->isChecked()) {
            typeCaption = cableOption(t)->text();
            break;
        }
    }
    const QString section = List1->currentItem() ? List1->currentItem()->text() : QString();

    // Each current slot gets the section's description and its values.
    for (int s = 0; s < 3; ++s) {
        if (!sections[s]) continue;
        const model::LineSummary d = {.description = text(typeCaption + " " + section),
                                      .length = "длина " + text(lengths[s]) + ",м",
                                      .r1 = "пр.актив.сопрот " + perMetre.r1 + ",мОм/м",
                                      .x1 = "пр.индук.сопрот " + perMetre.x1 + ",мОм/м",
                                      .r0 = "об.актив.сопрот " + perMetre.r0 + ",мОм/м",
                                      .x0 = "об.индук.сопрот " + perMetre.x0 + ",мОм/м"};
        const SectionTexts& v = *sections[s];
        model::enterLine(model(), s + 1, {v.r1, v.x1, v.r0, v.x0}, d);
    }
}

}  // namespace ampera
