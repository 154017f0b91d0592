#include "ui/form8_checks.h"

#include <QCloseEvent>

#include "core/fault_calculation.h"
#include "core/fault_checks.h"
#include "ui/form1.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

const char* const kTitle = "ampera Проверка по токам КЗ";
const char* const kSection = "Chk";

const QStringList kDevices = {
    "автоматический выключатель, характеристика B",
    "автоматический выключатель, характеристика C",
    "автоматический выключатель, характеристика D",
    "автоматический выключатель, электромагнитный расцепитель",
    "плавкий предохранитель",
};
const QStringList kCables = {"медь, ПВХ", "алюминий, ПВХ", "медь, сшитый полиэтилен", "алюминий, сшитый полиэтилен"};
constexpr int kDefaultDevice = 2, kDefaultCable = 2;  // item numbers
constexpr int kInstantaneousIndex = 3;                // 0-based

// Layout, twips: inputs on the left, results on the right, verdicts beneath.
constexpr int kWidth = 13380, kHeight = 6840;
constexpr int kInputsLeft = 120, kInputsWidth = 8760, kInputsHeight = 3720;
constexpr int kInputLabelW = 2880, kInputLeft = 3120, kFieldW = 1500, kComboW = 5520;
constexpr int kResultsLeft = 9000, kResultsWidth = 4260, kResultsHeight = 4320;
constexpr int kResultLabelW = 2400, kResultLeft = 2640;
constexpr int kFramesTop = 480, kVerdictsTop = 4920, kVerdictsHeight = 1740;
constexpr int kRowH = 285, kComboH = 330, kButtonW = 1335, kButtonH = 375;

// A read-only result shows its text from the first character.
void showResult(QLineEdit* field, const std::string& value) {
    field->setText(q(value));
    field->setCursorPosition(0);
}

}  // namespace

Form8::Form8(Session& session) : FormBase(session, kName, kTitle, kWidth, kHeight) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", kTitle, nullptr, Picture1);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1, &ClickLabel::clicked, this, [this] { Picture1_Click(); });

    // ---- inputs
    Frame1 = addFrame(this, "Frame1", "исходные данные", kInputsLeft, kFramesTop, kInputsWidth, kInputsHeight);
    int top = 300;
    const auto row = [&](QLabel*& label, const char* labelName, const char* caption) {
        label = addLabel(Frame1, labelName, caption, 120, top, kInputLabelW, kRowH);
    };
    const auto field = [&](QLabel*& label, const char* labelName, const char* caption, QLineEdit*& f,
                           const char* name) {
        row(label, labelName, caption);
        f = addText(Frame1, name, kInputLeft, top, kFieldW, kRowH);
        top += 420;
    };
    const auto list = [&](QLabel*& label, const char* labelName, const char* caption, QComboBox*& c, const char* name,
                          const QStringList& items) {
        row(label, labelName, caption);
        c = addCombo(Frame1, name, kInputLeft, top - 20, kComboW, kComboH, nullptr);
        c->setEditable(false);
        c->addItems(items);
        top += 420;
    };
    field(lblT, "lblT", "время отключения КЗ, с", txtT, "txtT");
    field(lblTheta, "lblTheta", "температура жил в конце КЗ, °C", txtTheta, "txtTheta");
    list(lblDevice, "lblDevice", "защитный аппарат", cmbDevice, "cmbDevice", kDevices);
    field(lblIn, "lblIn", "Iном аппарата, А", txtIn, "txtIn");
    field(lblIset, "lblIset", "уставка расцепителя, А", txtIset, "txtIset");
    field(lblIcuInput, "lblIcuInput", "отключающая способность Icu, кА", txtIcu, "txtIcu");
    list(lblCable, "lblCable", "жилы и изоляция кабеля", cmbCable, "cmbCable", kCables);
    field(lblS, "lblS", "сечение жилы, мм.кв", txtS, "txtS");
    connect(cmbDevice, &QComboBox::currentIndexChanged, this, [this](int) { cmbDevice_Click(); });

    const int buttonsTop = kFramesTop + kInputsHeight + 240;
    Command1 = addButton(this, "Command1", "Расчет", 240, buttonsTop, kButtonW, kButtonH, [this] { Command1_Click(); });
    Command2 = addButton(this, "Command2", "сохранить", 240 + kButtonW + 120, buttonsTop, kButtonW, kButtonH,
                         [this] { Command2_Click(); });
    Command3 = addButton(this, "Command3", "закрыть", 240 + 2 * (kButtonW + 120), buttonsTop, kButtonW, kButtonH,
                         [this] { Command3_Click(); });

    // ---- results
    Frame2 = addFrame(this, "Frame2", "результаты", kResultsLeft, kFramesTop, kResultsWidth, kResultsHeight);
    const struct {
        QLineEdit** field;
        const char* name;
        const char* labelName;
        const char* caption;
    } results[] = {
        {&txtIk3, "txtIk3", "lblIk3", "Iк(3) макс., кА"},
        {&txtIk2, "txtIk2", "lblIk2", "Iк(2), кА"},
        {&txtIk1, "txtIk1", "lblIk1", "Iк(1) макс., кА"},
        {&txtTa, "txtTa", "lblTa", "Ta, мс"},
        {&txtKud, "txtKud", "lblKud", "Kуд"},
        {&txtIud, "txtIud", "lblIud", "iуд, кА"},
        {&txtKt, "txtKt", "lblKt", "коэффициент нагрева жил"},
        {&txtKc, "txtKc", "lblKc", "Кс дуги"},
        {&txtIk1min, "txtIk1min", "lblIk1min", "Iк(1) мин., кА"},
        {&txtBk, "txtBk", "lblBk", "Bк, кА^2·с"},
        {&txtSmin, "txtSmin", "lblSmin", "Sмин, мм.кв"},
    };
    top = 300;
    for (const auto& r : results) {
        QLabel* label = addLabel(Frame2, r.labelName, r.caption, 120, top, kResultLabelW, kRowH);
        *r.field = addText(Frame2, r.name, kResultLeft, top, kFieldW, kRowH);
        (*r.field)->setReadOnly(true);
        results_.emplace_back(label, *r.field);
        top += 360;
    }

    // ---- verdicts
    Frame3 = addFrame(this, "Frame3", "проверки", 120, kVerdictsTop, kWidth - 240, kVerdictsHeight);
    top = 300;
    for (auto [label, name] : {std::pair{&lblSens, "lblSens"}, std::pair{&lblIcu, "lblIcu"},
                               std::pair{&lblIcm, "lblIcm"}, std::pair{&lblThermal, "lblThermal"}}) {
        *label = addLabel(Frame3, name, "", 240, top, kWidth - 600, kRowH);
        top += 345;
    }
}

void Form8::Form_Load() {
    loadSettings(session(), settings());
    for (QLineEdit* e : {txtT, txtTheta, txtIn, txtIset, txtIcu, txtS}) e->setCursorPosition(0);
    cmbDevice_Click();
}

void Form8::cmbDevice_Click() { txtIset->setEnabled(cmbDevice->currentIndex() == kInstantaneousIndex); }

bool Form8::calculate(bool withDialog) {
    const CheckResult r = calculateChecks({.fault = session().main()->faultTexts(),
                                           .t = text(txtT),
                                           .theta = text(txtTheta),
                                           .in = text(txtIn),
                                           .iset = text(txtIset),
                                           .icu = text(txtIcu),
                                           .s = text(txtS),
                                           .device = static_cast<ProtectiveDevice>(cmbDevice->currentIndex() + 1),
                                           .cable = static_cast<CableInsulation>(cmbCable->currentIndex() + 1)});

    const std::string* values[] = {&r.ik3, &r.ik2, &r.ik1,    &r.ta, &r.kud, &r.iud,
                                   &r.kt,  &r.kc,  &r.ik1min, &r.bk, &r.smin};
    for (std::size_t k = 0; k < results_.size(); ++k) showResult(results_[k].second, *values[k]);
    lblSens->setText(q(r.sens));
    lblIcu->setText(q(r.icu));
    lblIcm->setText(q(r.icm));
    lblThermal->setText(q(r.thermal));

    if (withDialog) {
        if (r.failure == CheckFailure::Conversion) showErrorDialog(session(), kDecimalCommaMessage);
        else if (const std::string message = checkFailureMessage(r.failure); !message.empty())
            showErrorDialog(session(), q(message));
    }
    return r.failure == CheckFailure::None;
}

void Form8::Command1_Click() { calculate(true); }

void Form8::Command2_Click() { saveSettings(session(), settings()); }

std::vector<Setting> Form8::settings() const {
    return {{kSection, "T", txtT, nullptr, "0,1"},
            {kSection, "Theta", txtTheta, nullptr, "160"},
            {kSection, "Device", nullptr, cmbDevice, "", kDefaultDevice},
            {kSection, "In", txtIn},
            {kSection, "Iset", txtIset},
            {kSection, "Icu", txtIcu},
            {kSection, "Cable", nullptr, cmbCable, "", kDefaultCable},
            {kSection, "S", txtS}};
}

void Form8::Command3_Click() { hide(); }

void Form8::Picture1_Click() { showMinimized(); }

void Form8::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

std::vector<std::string> Form8::reportLines() {
    calculate(false);
    std::vector<std::string> lines;
    if (txtIk3->text().isEmpty()) return lines;
    const auto line = [&](const QLabel* label, const QString& value) {
        lines.push_back(text(label->text() + " = " + value));
    };
    line(lblT, txtT->text());
    line(lblTheta, txtTheta->text());
    line(lblDevice, cmbDevice->currentText());
    if (!txtIn->text().isEmpty()) line(lblIn, txtIn->text());
    if (cmbDevice->currentIndex() == kInstantaneousIndex && !txtIset->text().isEmpty()) line(lblIset, txtIset->text());
    if (!txtIcu->text().isEmpty()) line(lblIcuInput, txtIcu->text());
    line(lblCable, cmbCable->currentText());
    if (!txtS->text().isEmpty()) line(lblS, txtS->text());
    for (const auto& [label, field] : results_)
        if (!field->text().isEmpty()) line(label, field->text());
    for (const QLabel* verdict : {lblSens, lblIcu, lblIcm, lblThermal})
        if (!verdict->text().isEmpty()) lines.push_back(text(verdict));
    return lines;
}

}  // namespace ampera
