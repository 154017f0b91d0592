// The cable panel of the main window and the entry of a cable section into a line slot.
#include <QFont>
#include <QFontMetrics>
#include <optional>
#include <string>

#include "catalogue/cable_catalogue.h"
#include "core/line_entry.h"
#include "core/number_text.h"
#include "ui/form7_error.h"
#include "ui/form1.h"
#include "ui/form5_summary.h"
#include "ui/frame_style.h"
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

std::string text(const QLineEdit* e) { return e->text().toStdString(); }
QString q(const std::string& s) { return QString::fromStdString(s); }

// The controls of one line slot that the cable entry touches.
struct SlotControls {
    QLineEdit* length;
    QLineEdit* fields[4];  // r1, x1, r0, x0 of the whole section
};

const QString kLengthCaptions[3] = {QStringLiteral("L1 длина, м"), QStringLiteral("L2 длина, м"), QStringLiteral("L3 длина, м")};
const QString kSlotCaptions[3] = {QStringLiteral("Выбор для Л1"), QStringLiteral("Выбор для Л2"), QStringLiteral("Выбор для Л3")};

// A state label holds its slot's digit when its caption, read as a number, equals it.
bool holds(const QLabel* label, int slot) {
    Checked<double> v = parseDouble(label->text().toStdString());
    return v.ok() && v.value == slot;
}

}  // namespace

void Form1::buildCablePanel() {
    Frame2 = addFrame(Frame1, "Frame2", QStringLiteral("Активные и индуктивные сопротивления кабелей"), 0, 0, kPanelWidth, kPanelHeight);
    makeCovering(Frame2);  // the panel covers the input area

    List1 = addList(Frame2, "List1", kListLeft, kListTop, kListWidth, kListHeight, [this] { List1_Click(); });

    QRadioButton** options[] = {&Option1, &Option2, &Option3, &Option4, &Option5,
                                &Option6, &Option7, &Option8, &Option9};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "Option" + QByteArray::number(i + 1);
        const auto caption = catalogue::cableTypes()[static_cast<std::size_t>(i)].caption;
        *options[i] = addOption(Frame2, name.constData(),
                                QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                                kOptionLeft, kOptionTop + i * kOptionStep, kOptionWidth, kOptionHeight,
                                [this, i] { OptionCable_Click(i + 1); });
    }

    // The per-metre values, each under its caption.
    struct Value {
        QLineEdit** field;
        const char* name;
        QLabel** label;
        const char* labelName;
        QString caption;
        QString initial;
    };
    const Value values[] = {
        {&xtxR1, "xtxR1", &Label1, "Label1", QStringLiteral("r1 = r2, мОм/м"), QStringLiteral("9,61")},
        {&txtX1, "txtX1", &Label2, "Label2", QStringLiteral("x1 = x2, мОм/м"), QStringLiteral("0,092")},
        {&txtR0, "txtR0", &Label3, "Label3", QStringLiteral("r0, мОм/м"), QStringLiteral("10,95")},
        {&txtX0, "txtX0", &Label4, "Label4", QStringLiteral("х0, мОм/м"), QStringLiteral("0,579")},
    };
    for (int i = 0; i < 4; ++i) {
        const Value& v = values[i];
        const int left = kOptionLeft + i * kValueStep;
        *v.label = addLabel(Frame2, v.labelName, v.caption, left, kValueTop, kValueStep - 120, 255);
        *v.field = addText(Frame2, v.name, left, kValueTop + 270, kValueWidth, 285, v.initial);
    }

    // Footnote to the copper cable in a steel sheath, with the square sign raised after "мм".
    Label5 = addLabel(Frame2, "Label5", QStringLiteral("*** Заземление выполнено медным проводом сечением 120 мм"), kOptionLeft, kFootnoteTop, 7000, 255);
    Label5->resize(Label5->sizeHint().width(), Label5->height());
    Label6 = addLabel(Frame2, "Label6", QStringLiteral("2"), 0, 0, 120, 180);
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
    Check3 = addCheck(Frame2, "Check3", "", 5520, kEntryTop + 30, 255, 255, true, [this] { Check3_Click(); });
    Command5 = addButton(Frame2, "Command5", QStringLiteral("ввести"), 5880, kEntryTop - 30, 1335, 375,
                         [this] { Command5_Click(); });
    Label41 = addLabel(Frame2, "Label41", kSlotCaptions[0], 7335, kEntryTop + 30, 1800, 255);
    QFont bold = Label41->font();
    bold.setBold(true);
    Label41->setFont(bold);
}

QRadioButton* Form1::cableOption(int type) const {
    QRadioButton* const options[] = {Option1, Option2, Option3, Option4, Option5,
                                     Option6, Option7, Option8, Option9};
    return options[type - 1];
}

// ---- cable catalogue

void Form1::fillCableList(int type) {
    if (type < 1 || type > 9) return;
    QSignalBlocker block(List1);  // emptying and filling is no selection
    List1->clear();
    for (const catalogue::CableRow& row : catalogue::cableTypes()[static_cast<std::size_t>(type - 1)].rows)
        List1->addItem(QString::fromUtf8(row.label.data(), static_cast<qsizetype>(row.label.size())));
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
    const catalogue::CableRow* row = catalogue::findCableRow(type, item->text().toStdString());
    if (!row) return;
    auto put = [](QLineEdit* e, std::string_view v) {
        e->setText(QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size())));
    };
    put(xtxR1, row->r1);
    put(txtX1, row->x1);
    put(txtR0, row->r0);
    put(txtX0, row->x0);
}

// ---- line slots

void Form1::setSlotLabels(int slot) {
    Label38->setText(slot == 1 ? "1" : "0");
    Label39->setText(slot == 2 ? "2" : "0");
    Label40->setText(slot == 3 ? "3" : "0");
}

void Form1::chooseCableSlot(int slot) {
    if (slot < 1 || slot > 3) return;
    QLineEdit* const lengths[] = {txtL1, txtL2, txtL3};
    setListIndex(List1, 0);                                       // 1
    lengths[slot - 1]->setText("0");                              // 2
    select(Option1);                                              // 3
    setSlotLabels(slot);                                          // 4
    place(Frame2, 0, 0, kPanelWidth, kPanelHeight);               // 5
    Frame2->raise();
    Frame2->show();
    for (int i = 0; i < 3; ++i) lengths[i]->setVisible(i == slot - 1);  // 6
    Label23->setText(kLengthCaptions[slot - 1]);                  // 7
    Label41->setText(kSlotCaptions[slot - 1]);                    // 8
    for (QWidget* w : {Frame7, Frame8, Frame9}) w->hide();        // 9
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

void Form1::Check3_Click() {
    Command5->setText(Check3->isChecked() ? QStringLiteral("ввести") : QStringLiteral("назад"));
}

// Enters the chosen cable with its length into the current slot: the per-metre
// values times the length into the slot fields and a description into the data
// summary. Every operand is checked before anything is written: on a text that
// is not a number, or a product too large for a double, the error dialog is
// shown and neither the slot nor the summary changes.
void Form1::Command5_Click() {
    auto closePanel = [this] {                                    // 1
        Frame2->hide();
        for (QWidget* w : {Frame7, Frame8, Frame9}) w->show();
    };
    if (!Check3->isChecked()) {                                   // 2
        closePanel();
        return;
    }

    const SlotControls lineSlots[3] = {
        {txtL1, {txtR11, txtX11, txtR01, txtX01}},
        {txtL2, {txtR12, txtX12, txtR02, txtX02}},
        {txtL3, {txtR13, txtX13, txtR03, txtX03}},
    };
    const QLabel* const stateLabels[3] = {Label38, Label39, Label40};
    const SectionTexts perMetre = {text(xtxR1), text(txtX1), text(txtR0), text(txtX0)};  // 4

    // The section of every slot that is current, computed before the first
    // write. A text that is not a number is reported and the panel stays open
    // with its entries, so the user can correct it.
    std::optional<SectionTexts> sections[3];
    for (int s = 0; s < 3; ++s) {                                 // 5, 7
        if (!holds(stateLabels[s], s + 1)) continue;
        const Checked<SectionTexts> section = cableSection(perMetre, text(lineSlots[s].length));
        if (!section.ok()) {
            showErrorDialog(session(), kDecimalCommaMessage);
            return;
        }
        sections[s] = section.value;
    }

    closePanel();
    Form5* summary = session().form<Form5>();
    summary->showModeless();                                      // 3

    QString typeCaption;
    for (int t = 1; t <= 9; ++t) {
        if (cableOption(t)->isChecked()) {
            typeCaption = cableOption(t)->text();
            break;
        }
    }
    const QString section = List1->currentItem() ? List1->currentItem()->text() : QString();

    QLabel* const descriptions[3][6] = {
        {summary->Label2, summary->Label3, summary->Label4, summary->Label5, summary->Label6, summary->Label7},
        {summary->Label22, summary->Label33, summary->Label44, summary->Label55, summary->Label66,
         summary->Label77},
        {summary->Label222, summary->Label333, summary->Label444, summary->Label555, summary->Label666,
         summary->Label777},
    };
    for (int s = 0; s < 3; ++s) {
        if (!sections[s]) continue;
        QLabel* const* d = descriptions[s];
        d[0]->setText(typeCaption + " " + section);               // 6
        d[1]->setText(QStringLiteral("длина") + " " + lineSlots[s].length->text() + QStringLiteral(",м"));
        d[2]->setText(QStringLiteral("пр.актив.сопрот ") + q(perMetre.r1) + QStringLiteral(",мОм/м"));
        d[3]->setText(QStringLiteral("пр.индук.сопрот ") + q(perMetre.x1) + QStringLiteral(",мОм/м"));
        d[4]->setText(QStringLiteral("об.актив.сопрот ") + q(perMetre.r0) + QStringLiteral(",мОм/м"));
        d[5]->setText(QStringLiteral("об.индук.сопрот ") + q(perMetre.x0) + QStringLiteral(",мОм/м"));
        const std::string* const values[4] = {&sections[s]->r1, &sections[s]->x1, &sections[s]->r0, &sections[s]->x0};
        for (std::size_t i = 0; i < 4; ++i) lineSlots[s].fields[i]->setText(q(*values[i]));  // 8
    }
}

}  // namespace ampera
