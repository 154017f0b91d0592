#include "ui/form8_checks.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>

#include "core/chain_points.h"
#include "model/checks_run.h"
#include "model/checks_texts.h"
#include "ui/form7_error.h"
#include "ui/frame_style.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

using model::kDefaultCable;
using model::kDefaultDevice;
const char* const kSection = "Chk";

QStringList sectionItems() {
    QStringList out;
    for (int n = 1; n <= model::kSectionItemCount; ++n) out << q(sectionItemText(sectionItem(n)));
    return out;
}

template <std::size_t N>
QStringList listItems(const std::array<const char*, N>& texts) {
    QStringList out;
    for (const char* t : texts) out << q(t);
    return out;
}

// Layout, twips: inputs on the left, results on the right, verdicts beneath
// them and the table of points at the bottom, both over the window's width.
constexpr int kWidth = 13380, kHeight = 9900;
constexpr int kInputsLeft = 120, kInputsWidth = 8760, kInputsHeight = 4545;
constexpr int kInputLabelW = 2880, kInputLeft = 3120, kFieldW = 1500, kComboW = 5520;
constexpr int kResultsLeft = 9000, kResultsWidth = 4260, kResultsHeight = 5040;
constexpr int kResultLabelW = 2400, kResultLeft = 2640;
constexpr int kFramesTop = 480, kVerdictsTop = 5640, kVerdictsHeight = 1740;
constexpr int kPointsTop = 7500, kPointsHeight = 2220, kPointHeadW = 1920, kPointLeft = 2160, kPointStep = 1560,
              kPointW = 1440;
constexpr int kRowH = 285, kComboH = 330, kButtonW = 1335, kButtonH = 375;

}  // namespace

Form8::Form8(Session& session) : FormBase(session, kName, model::kChecksTitle, kWidth, kHeight) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", model::kChecksTitle, nullptr, Picture1);
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
    const model::InputCaptions& in = model::kInputCaptions;
    field(lblT, "lblT", in.t, txtT, "txtT");
    field(lblTheta, "lblTheta", in.theta, txtTheta, "txtTheta");
    list(lblDevice, "lblDevice", in.device, cmbDevice, "cmbDevice", listItems(model::kDevices));
    field(lblIn, "lblIn", in.in, txtIn, "txtIn");
    field(lblIset, "lblIset", in.iset, txtIset, "txtIset");
    field(lblIcuInput, "lblIcuInput", in.icu, txtIcu, "txtIcu");
    list(lblCable, "lblCable", in.cable, cmbCable, "cmbCable", listItems(model::kCables));
    field(lblS, "lblS", in.s, txtS, "txtS");
    list(lblSectionInput, "lblSectionInput", in.section, cmbSection, "cmbSection", sectionItems());
    lblSection = addLabel(Frame1, "lblSection", "", kInputLeft, top - 60, kComboW, kRowH);
    connect(cmbDevice, &QComboBox::currentIndexChanged, this, [this](int) { cmbDevice_Click(); });
    connect(cmbSection, &QComboBox::currentIndexChanged, this, [this](int) { cmbSection_Click(); });

    const int buttonsTop = kFramesTop + kInputsHeight + 120;
    Command1 = addButton(this, "Command1", "Расчет", 240, buttonsTop, kButtonW, kButtonH, [this] { Command1_Click(); });
    Command2 = addButton(this, "Command2", "сохранить", 240 + kButtonW + 120, buttonsTop, kButtonW, kButtonH,
                         [this] { Command2_Click(); });
    Command3 = addButton(this, "Command3", "закрыть", 240 + 2 * (kButtonW + 120), buttonsTop, kButtonW, kButtonH,
                         [this] { Command3_Click(); });
    Command4 = addButton(this, "Command4", model::kCopyCaption, 240 + 3 * (kButtonW + 120), buttonsTop, kButtonW,
                         kButtonH, [this] { Command4_Click(); });

    // ---- results
    Frame2 = addFrame(this, "Frame2", "результаты", kResultsLeft, kFramesTop, kResultsWidth, kResultsHeight);
    const struct {
        QLineEdit** field;
        const char* name;
        const char* labelName;
    } results[] = {
        {&txtIk3, "txtIk3", "lblIk3"}, {&txtIk2, "txtIk2", "lblIk2"},    {&txtIk1, "txtIk1", "lblIk1"},
        {&txtTa, "txtTa", "lblTa"},    {&txtKud, "txtKud", "lblKud"},    {&txtIud, "txtIud", "lblIud"},
        {&txtKt, "txtKt", "lblKt"},    {&txtKc, "txtKc", "lblKc"},       {&txtIk1min, "txtIk1min", "lblIk1min"},
        {&txtBk, "txtBk", "lblBk"},    {&txtSmin, "txtSmin", "lblSmin"},
    };
    top = 300;
    for (std::size_t k = 0; const auto& r : results) {
        addLabel(Frame2, r.labelName, model::kResultCaptions[k++], 120, top, kResultLabelW, kRowH);
        *r.field = addText(Frame2, r.name, kResultLeft, top, kFieldW, kRowH);
        (*r.field)->setReadOnly(true);
        top += 360;
    }
    lblAtDevice = addLabel(Frame2, "lblAtDevice", "", 120, top + 60, kResultsWidth - 240, kRowH);
    lblAtEnd = addLabel(Frame2, "lblAtEnd", "", 120, top + 345, kResultsWidth - 240, kRowH);

    // ---- verdicts
    Frame3 = addFrame(this, "Frame3", "проверки", 120, kVerdictsTop, kWidth - 240, kVerdictsHeight);
    top = 300;
    for (auto [label, name] : {std::pair{&lblSens, "lblSens"}, std::pair{&lblIcu, "lblIcu"},
                               std::pair{&lblIcm, "lblIcm"}, std::pair{&lblThermal, "lblThermal"}}) {
        *label = addLabel(Frame3, name, "", 240, top, kWidth - 600, kRowH);
        top += 345;
    }
    for (QLabel* verdict : {lblSens, lblIcu, lblIcm, lblThermal}) controlDrawn(verdict);

    // ---- the table of points: a row per point, a column per value
    Frame4 = addFrame(this, "Frame4", model::kPointsTitle, 120, kPointsTop, kWidth - 240, kPointsHeight);
    for (int col = 0; col < 7; ++col) {
        const std::string name = "lblCol" + model::pointFieldName(1, col).substr(5);  // lblColR … lblColIk1min
        addLabel(Frame4, name.c_str(), model::kPointColumns[static_cast<std::size_t>(col)],
                 kPointLeft + col * kPointStep, 300, kPointW, kRowH);
    }
    for (int k = 1; k <= kPointCount; ++k) {
        const int rowTop = 300 + k * 360;
        const std::string head = "lblK" + std::to_string(k);
        lblK[k - 1] = addLabel(Frame4, head.c_str(), q(pointCaption(k)), 120, rowTop, kPointHeadW, kRowH);
        for (int col = 0; col < 7; ++col) {
            QLineEdit*& f = txtK[k - 1][static_cast<std::size_t>(col)];
            f = addText(Frame4, model::pointFieldName(k, col).c_str(), kPointLeft + col * kPointStep, rowTop, kPointW,
                        kRowH);
            f->setReadOnly(true);
        }
    }
}

void Form8::controlDrawn(QWidget* control) {
    for (QLabel* verdict : {lblSens, lblIcu, lblIcm, lblThermal})
        if (verdict && control == verdict) setTone(verdict, verdictFails(text(verdict)) ? Tone::Fail : Tone::Pass);
}

void Form8::Form_Load() {
    loadSettings(session(), settings());
    for (QLineEdit* e : {txtT, txtTheta, txtIn, txtIset, txtIcu, txtS}) e->setCursorPosition(0);
    cmbDevice_Click();
    cmbSection_Click();
}

void Form8::cmbDevice_Click() { txtIset->setEnabled(cmbDevice->currentIndex() + 1 == model::kInstantaneousItem); }

void Form8::cmbSection_Click() { model::describeSection(model()); }

void Form8::Command1_Click() {
    const CheckResult r = model::runChecks(model());
    if (r.failure == CheckFailure::Conversion) showErrorDialog(session(), kDecimalCommaMessage);
    else if (const std::string message = checkFailureMessage(r.failure); !message.empty())
        showErrorDialog(session(), q(message));
}

void Form8::Command2_Click() { saveSettings(session(), settings()); }

std::vector<Setting> Form8::settings() const {
    return {{kSection, "T", txtT, nullptr, "0,1"},
            {kSection, "Theta", txtTheta, nullptr, model::kDefaultTheta},
            {kSection, "Device", nullptr, cmbDevice, "", kDefaultDevice},
            {kSection, "In", txtIn},
            {kSection, "Iset", txtIset},
            {kSection, "Icu", txtIcu},
            {kSection, "Cable", nullptr, cmbCable, "", kDefaultCable},
            {kSection, "S", txtS},
            {kSection, "Section", nullptr, cmbSection, "", static_cast<int>(kDefaultSectionItem)}};
}

void Form8::Command3_Click() { hide(); }

void Form8::Command4_Click() { QGuiApplication::clipboard()->setText(q(model::pointsClipboardText(model().checks))); }

void Form8::Picture1_Click() { showMinimized(); }

void Form8::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace ampera
