// The overhead-line panel of the main window and the entry of a line into slot 1.
//
// Step 1 (Frame12) takes the conductor material and the line length, step 2
// (Frame15) the spacing and the cross-section; a pick from either list looks
// up the reactance per kilometre, a cross-section pick also computes the
// resistance of the whole line. The change rules of the value fields round
// them to two decimals and derive the line reactance and the zero-sequence
// values; the entry copies them into line slot 1.
#include <QLabel>
#include <optional>
#include <string>

#include "catalogue/overhead_catalogue.h"
#include "core/line_entry.h"
#include "core/overhead_rounding.h"
#include "model/calculation_steps.h"
#include "ui/form1.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

constexpr int kFieldW = 1215, kFieldH = 285;
constexpr int kButtonW = 1095, kButtonH = 375;

// The change rules write each other's fields; a write that changes a field
// runs its rule at once. Rounding is idempotent, so the chain ends after a
// few steps; the depth limit only guards against a loop all the same.
int ruleDepth = 0;
constexpr int kMaxRuleDepth = 24;

class RuleGuard {
public:
    RuleGuard() { ++ruleDepth; }
    ~RuleGuard() { --ruleDepth; }
    RuleGuard(const RuleGuard&) = delete;
    RuleGuard& operator=(const RuleGuard&) = delete;
    bool tooDeep() const { return ruleDepth > kMaxRuleDepth; }
};

// Writes a computed value into a field; false (nothing written) on a failure.
bool writeValue(QLineEdit* field, Checked<double> value) {
    if (value.ok()) field->setText(shown(value.value));
    return value.ok();
}

// "Write the field's value rounded into the field", by the two-decimal rule.
void writeRounded(QLineEdit* field) {
    if (const auto rounded = twoDecimalRewrite(text(field))) field->setText(shown(*rounded));
}

}  // namespace

void Form1::buildOverheadPanel() {
    Frame11 = addFrame(Frame1, "Frame11", "Активные и индуктивные сопротивления ВЛ", 0, 0, 10215, 5415);
    makeCovering(Frame11);  // opened, the panel covers the input area

    // step 1: material and length
    Frame12 = addFrame(Frame11, "Frame12", "материал провода и длина линии", 240, 360, 4695, 3135);
    Option14 = addOption(Frame12, "Option14", "медь", 360, 420, 2535, 285, [this] { Option14_Click(); });
    Option15 = addOption(Frame12, "Option15", "алюминий", 360, 780, 2535, 285, [this] { Option15_Click(); });
    Option16 = addOption(Frame12, "Option16", "сталеалюминий", 360, 1140, 2535, 285, [this] { Option16_Click(); });
    addLabel(Frame12, "lblL", "длина линии, м", 360, 1740, 2055, kFieldH);
    txtL = addText(Frame12, "txtL", 2520, 1740, kFieldW, kFieldH, "0");
    Command8 = addButton(Frame12, "Command8", "ОК", 360, 2460, kButtonW, kButtonH, [this] { Command8_Click(); });

    // step 2, in the same place: spacing and cross-section
    Frame15 = addFrame(Frame11, "Frame15", "линия", 240, 360, 4695, 3135);
    addLabel(Frame15, "lblD", "растояние между проводами, м", 360, 510, 2535, kFieldH);
    Combo1 = addCombo(Frame15, "Combo1", 3000, 480, kFieldW, 315, [this] { Combo1_Click(); });
    addLabel(Frame15, "lblS", "сечение мм.кв", 360, 1110, 2535, kFieldH);
    Combo2 = addCombo(Frame15, "Combo2", 3000, 1080, kFieldW, 315, [this] { Combo2_Click(); });
    Command9 = addButton(Frame15, "Command9", "назад", 360, 2460, kButtonW, kButtonH, [this] { Command9_Click(); });

    // the values of the line, seen in both steps
    Frame13 = addFrame(Frame11, "Frame13", "сопротивление прямой последовательности", 5160, 360, 4815, 1455);
    txtRv1 = addText(Frame13, "txtRv1", 360, 480, kFieldW, kFieldH, "0");
    addLabel(Frame13, "lblRv1", "Rпр, мОм", 1680, 480, 1455, kFieldH);
    // The reactance per kilometre and the reactance of the line share one
    // place; the line value, in mOhm like the caption, is the one in front.
    // The per-kilometre field behind it takes no keyboard focus, so the Tab
    // key never leads into a field the user cannot see.
    txtXv1 = addText(Frame13, "txtXv1", 360, 900, kFieldW, kFieldH, "0");
    txtXv1->setFocusPolicy(Qt::NoFocus);
    txtXv11 = addText(Frame13, "txtXv11", 360, 900, kFieldW, kFieldH, "0");
    txtXv11->raise();
    addLabel(Frame13, "lblXv1", "Хпр, мОм", 1680, 900, 1455, kFieldH);

    Frame14 = addFrame(Frame11, "Frame14", "сопротивление обратной последовательности", 5160, 2040, 4815, 1455);
    txtRv0 = addText(Frame14, "txtRv0", 360, 480, kFieldW, kFieldH, "0");
    addLabel(Frame14, "lblRv0", "Rоб, мОм", 1680, 480, 1455, kFieldH);
    txtXv0 = addText(Frame14, "txtXv0", 360, 900, kFieldW, kFieldH, "0");
    addLabel(Frame14, "lblXv0", "Хоб, мОм", 1680, 900, 1455, kFieldH);

    // the resistivity of the material, hidden at start-up
    Text2 = addText(Frame11, "Text2", 360, 3780, kFieldW, kFieldH, "0,0178");

    Check2 = addCheck(Frame11, "Check2", "", 5280, 3840, 255, 255, true, nullptr);
    Command10 = addButton(Frame11, "Command10", "ввести", 5640, 3780, 1335, kButtonH, [this] { Command10_Click(); });
    makeConfirm(Check2, Command10);

    onChange(txtL, [this] { txtL_Change(); });
    onChange(txtRv1, [this] { txtRv1_Change(); });
    onChange(txtXv1, [this] { txtXv1_Change(); });
    onChange(txtXv11, [this] { txtXv11_Change(); });
    onChange(txtXv0, [this] { txtXv0_Change(); });
}

// ---- material

namespace {

void selectMaterial(Form1& f, catalogue::ConductorMaterial material) {
    const catalogue::OverheadMaterial& m = catalogue::overheadMaterial(material);
    fillCombo(f.Combo1, items(m.spacings), "0");
    fillCombo(f.Combo2, items(m.sections), "0");
    f.Text2->setText(shown(m.resistivity));
}

std::optional<catalogue::ConductorMaterial> selectedMaterial(const Form1& f) {
    if (f.Option14->isChecked()) return catalogue::ConductorMaterial::Copper;
    if (f.Option15->isChecked()) return catalogue::ConductorMaterial::Aluminium;
    if (f.Option16->isChecked()) return catalogue::ConductorMaterial::SteelAluminium;
    return std::nullopt;
}

// What a pick from either list needs: every number parsed before anything
// is written, so that a bad one leaves every field as it was.
struct PickInputs {
    double spacing = 0, section = 0, length = 0, resistivity = 0;
};

std::optional<PickInputs> pickInputs(const Form1& f) {
    const auto spacing = number(f.Combo1->currentText());
    const auto section = number(f.Combo2->currentText());
    const auto length = number(f.txtL);
    const auto resistivity = number(f.Text2);
    if (!spacing || !section || !length || !resistivity) return std::nullopt;
    return PickInputs{*spacing, *section, *length, *resistivity};
}

// The tabled reactance for the material and the picked pair; nothing when
// the pair is not a key of the table (a typed value, a list still at "0").
std::optional<QString> reactanceText(const Form1& f, const PickInputs& in) {
    const auto material = selectedMaterial(f);
    if (!material) return std::nullopt;
    const auto x = catalogue::overheadReactance(*material, in.spacing, in.section);
    if (!x) return std::nullopt;
    return *x == 0.0 ? "0" : shown(*x);
}

}  // namespace

void Form1::Option14_Click() { selectMaterial(*this, catalogue::ConductorMaterial::Copper); }
void Form1::Option15_Click() { selectMaterial(*this, catalogue::ConductorMaterial::Aluminium); }
void Form1::Option16_Click() { selectMaterial(*this, catalogue::ConductorMaterial::SteelAluminium); }

// ---- picks

void Form1::Combo1_Click() {
    const auto in = pickInputs(*this);
    if (!in) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    if (const auto x = reactanceText(*this, *in)) writeReactance(*x);
}

void Form1::Combo2_Click() {
    const auto in = pickInputs(*this);
    const Checked<double> r = in ? overheadR1(in->length, in->section, in->resistivity) : Checked<double>{};
    if (!in || !r.ok()) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    if (const auto x = reactanceText(*this, *in)) writeReactance(*x);
    writeValue(txtRv1, r);
}

// A looked-up reactance per kilometre goes into txtXv1. Its rule derives X1
// and X0 from the current length; when the pick writes the text the field
// already holds (the same table value after a new length), the rule runs all
// the same, so the line values always follow the length.
void Form1::writeReactance(const QString& x) {
    if (txtXv1->text() != x) {
        txtXv1->setText(x);
        return;
    }
    txtXv1_Change();
    txtXv11_Change();  // X0 as well, should X1 have kept its text
}

// ---- change rules

void Form1::txtRv1_Change() {
    RuleGuard guard;
    if (guard.tooDeep()) return;
    writeValue(txtRv0, overheadR0(text(txtRv1)));
    writeRounded(txtRv1);
}

void Form1::txtXv1_Change() {
    RuleGuard guard;
    if (guard.tooDeep()) return;
    if (!writeValue(txtXv11, overheadX1(text(txtXv1), text(txtL)))) return;
    writeRounded(txtXv1);
}

void Form1::txtXv11_Change() {
    RuleGuard guard;
    if (guard.tooDeep()) return;
    // The line reactance typed or written here is not read: X0 comes from
    // the reactance per kilometre and the length.
    if (!writeValue(txtXv0, overheadX0(text(txtXv1), text(txtL)))) return;
    writeRounded(txtXv0);
}

void Form1::txtXv0_Change() {
    RuleGuard guard;
    if (guard.tooDeep()) return;
    writeRounded(txtXv0);
}

void Form1::txtL_Change() {
    // Only enables; start-up and reset disable the button.
    if (txtL->text().isEmpty()) return;
    const auto length = number(txtL);
    if (length && *length != 0.0) Command8->setEnabled(true);
}

// ---- steps and entry

void Form1::Command8_Click() {
    Frame12->hide();
    Frame15->show();
}

void Form1::Command9_Click() {
    Frame12->show();
    Frame15->hide();
    Combo1->setEditText("0");
    Combo2->setEditText("0");
}

void Form1::Command10_Click() {
    Frame11->hide();
    // The values go into line slot 1 even when the entry goes back; only its description waits for "ввести".
    model::enterLineValues(model(), 1, {text(txtRv1), text(txtXv11), text(txtRv0), text(txtXv0)});
    if (!Check2->isChecked()) return;

    session().form<Form5>()->showModeless();
    QString material;
    if (Option14->isChecked()) {
        material = "ВЛ,медь,сечение ";
    } else if (Option15->isChecked()) {
        material = "ВЛ,алюминий,сечение ";
    } else if (Option16->isChecked()) {
        material = "ВЛ,сталеалюминий,сечение ";
    }
    model::describeLine(model(), 1,
                        {.description = text(material + Combo2->currentText() + " мм.кв" +
                                             " расстояние между проводами,м " + Combo1->currentText()),
                         .length = "длина линии " + text(txtL) + ",м",
                         .r1 = "пр.актив.сопрот " + text(txtRv1) + ",мОм",
                         .x1 = "пр.индук.сопрот " + text(txtXv1) + ",мОм",
                         .r0 = "об.актив.сопрот " + text(txtRv0) + ",мОм",
                         .x0 = "об.индук.сопрот " + text(txtXv0) + ",мОм"});
}

}  // namespace ampera
