#include "ui/form8_checks.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>

#include "core/chain_points.h"
#include "model/checks_run.h"
#include "model/checks_texts.h"
#include "model/time_chart.h"
#include "ui/form10_chart.h"
#include "ui/form7_error.h"
#include "ui/frame_style.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

const char* const kSection = "Chk";

QStringList listItems(const model::CheckInput& in) {
    QStringList out;
    for (int n = 1; n <= in.list->count; ++n) out << q(in.item(n));
    return out;
}

Tone verdictTone(const Verdict& v) {
    return v.fails() ? Tone::Fail : v.outcome == Outcome::Unassessed ? Tone::Unassessed : Tone::Pass;
}

// Layout, twips: inputs on the left, results on the right, verdicts beneath
// them and the table of points at the bottom, both over the window's width.
constexpr int kWidth = 13380, kHeight = 10245;
constexpr int kInputsLeft = 120, kInputsWidth = 8760, kInputsHeight = 4545;
constexpr int kInputLabelW = 2880, kInputLeft = 3120, kFieldW = 1500, kComboW = 5520;
constexpr int kResultsLeft = 9000, kResultsWidth = 4260, kResultsHeight = 5040;
constexpr int kResultLabelW = 2400, kResultLeft = 2640;
constexpr int kFramesTop = 480, kVerdictsTop = 5640, kVerdictsHeight = 2085;
constexpr int kPointsTop = 7845, kPointsHeight = 2220, kPointHeadW = 1920, kPointLeft = 2160, kPointStep = 1560,
              kPointW = 1440;
constexpr int kRowH = 285, kComboH = 330, kButtonW = 1335, kWideButtonW = 1575, kButtonH = 375;

}  // namespace

Form8::Form8(Session& session) : FormBase(session, kName, model::kChecksTitle, kWidth, kHeight) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", model::kChecksTitle, nullptr, Picture1);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1, &ClickLabel::clicked, this, [this] { Picture1_Click(); });

    buildInputs();
    const int buttonsTop = kFramesTop + kInputsHeight + 120;
    Command1 = addButton(this, "Command1", "Расчет", 240, buttonsTop, kButtonW, kButtonH, [this] { Command1_Click(); });
    Command2 = addButton(this, "Command2", "сохранить", 240 + kButtonW + 120, buttonsTop, kButtonW, kButtonH,
                         [this] { Command2_Click(); });
    Command3 = addButton(this, "Command3", "закрыть", 240 + 2 * (kButtonW + 120), buttonsTop, kButtonW, kButtonH,
                         [this] { Command3_Click(); });
    Command4 = addButton(this, "Command4", model::kCopyCaption, 240 + 3 * (kButtonW + 120), buttonsTop, kButtonW,
                         kButtonH, [this] { Command4_Click(); });
    Command5 = addButton(this, "Command5", "характеристики", 240 + 4 * (kButtonW + 120), buttonsTop, kWideButtonW,
                         kButtonH, [this] { Command5_Click(); });
    buildResults();
    buildPointsTable();
}

void Form8::buildInputs() {
    Frame1 = addFrame(this, "Frame1", "исходные данные", kInputsLeft, kFramesTop, kInputsWidth, kInputsHeight);
    int top = 300;
    for (const model::CheckInput& in : model::kCheckInputs) {
        addLabel(Frame1, in.label, in.caption, 120, top, kInputLabelW, kRowH);
        if (in.list) {
            QComboBox* c = addCombo(Frame1, in.control, kInputLeft, top - 20, kComboW, kComboH, nullptr);
            c->setEditable(false);
            c->addItems(listItems(in));
        } else {
            addText(Frame1, in.control, kInputLeft, top, kFieldW, kRowH);
        }
        top += 390;
        // The points of the protected section, under its list.
        if (in.list == &model::kSectionList) {
            lblSection = addLabel(Frame1, "lblSection", "", kInputLeft, top - 30, kComboW, kRowH);
            top += 300;
        }
    }
    cmbDevice = findChild<QComboBox*>(model::kDeviceList.name);
    cmbSection = findChild<QComboBox*>(model::kSectionList.name);
    txtIset = findChild<QLineEdit*>("txtIset");
    connect(cmbDevice, &QComboBox::currentIndexChanged, this, [this](int) { cmbDevice_Click(); });
    connect(cmbSection, &QComboBox::currentIndexChanged, this, [this](int) { cmbSection_Click(); });
}

void Form8::buildResults() {
    Frame2 = addFrame(this, "Frame2", "результаты", kResultsLeft, kFramesTop, kResultsWidth, kResultsHeight);
    int top = 300;
    for (const model::CheckValue& v : model::kCheckValues) {
        addLabel(Frame2, v.label, v.caption, 120, top, kResultLabelW, kRowH);
        addText(Frame2, v.control, kResultLeft, top, kFieldW, kRowH)->setReadOnly(true);
        top += 360;
    }
    top += 60;
    for (const model::PointsAt& at : model::kPointsAt) {
        addLabel(Frame2, at.control, "", 120, top, kResultsWidth - 240, kRowH);
        top += 285;
    }

    Frame3 = addFrame(this, "Frame3", "проверки", 120, kVerdictsTop, kWidth - 240, kVerdictsHeight);
    top = 300;
    for (const model::VerdictField& v : model::kVerdictFields) {
        controlDrawn(addLabel(Frame3, v.control, "", 240, top, kWidth - 600, kRowH));
        top += 345;
    }
}

// A row per point of the chain, a column per value.
void Form8::buildPointsTable() {
    Frame4 = addFrame(this, "Frame4", model::kPointsTitle, 120, kPointsTop, kWidth - 240, kPointsHeight);
    for (int col = 0; const model::PointColumn& c : model::kPointColumns) {
        addLabel(Frame4, ("lblCol" + std::string(c.key)).c_str(), c.head, kPointLeft + col++ * kPointStep, 300, kPointW,
                 kRowH);
    }
    for (int k = 1; k <= kPointCount; ++k) {
        const int rowTop = 300 + k * 360;
        addLabel(Frame4, ("lblK" + std::to_string(k)).c_str(), q(pointCaption(k)), 120, rowTop, kPointHeadW, kRowH);
        for (std::size_t col = 0; col < model::kPointColumns.size(); ++col) {
            addText(Frame4, model::pointFieldName(k, col).c_str(), kPointLeft + int(col) * kPointStep, rowTop, kPointW,
                    kRowH)
                ->setReadOnly(true);
        }
    }
}

void Form8::controlDrawn(QWidget* control) {
    for (const model::VerdictField& v : model::kVerdictFields)
        if (auto* label = qobject_cast<QLabel*>(control); label && control->objectName() == v.control)
            setTone(label, verdictTone(model().checks.verdict(v.check)));
}

void Form8::Form_Load() {
    loadSettings(session(), settings());
    for (QLineEdit* e : Frame1->findChildren<QLineEdit*>()) e->setCursorPosition(0);
    cmbDevice_Click();
    cmbSection_Click();
}

void Form8::cmbDevice_Click() {
    txtIset->setEnabled(cmbDevice->currentIndex() + 1 == int(ProtectiveDevice::BreakerInstantaneous));
}

void Form8::cmbSection_Click() { model::describeSection(model()); }

void Form8::Command1_Click() {
    const CheckResult r = model::runChecks(model());
    if (r.failure == CheckFailure::Conversion) showErrorDialog(session(), kDecimalCommaMessage);
    else if (const std::string message = checkFailureMessage(r.failure); !message.empty())
        showErrorDialog(session(), q(message));
}

void Form8::Command2_Click() { saveSettings(session(), settings()); }

std::vector<Setting> Form8::settings() const {
    std::vector<Setting> out;
    for (const model::CheckInput& in : model::kCheckInputs) {
        if (in.list)
            out.push_back({kSection, in.key, nullptr, findChild<QComboBox*>(in.control), "", in.list->fallback});
        else out.push_back({kSection, in.key, findChild<QLineEdit*>(in.control), nullptr, in.fallback});
    }
    return out;
}

void Form8::Command3_Click() { hide(); }

void Form8::Command4_Click() { QGuiApplication::clipboard()->setText(q(model::pointsClipboardText(model().checks))); }

void Form8::Command5_Click() {
    Form10* chart = session().form<Form10>();
    chart->showChart(model::checksChart(model()));
    chart->showModeless();
}

void Form8::Picture1_Click() { showMinimized(); }

void Form8::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace ampera
