#include "ui/form5_summary.h"

#include <QCloseEvent>
#include <QEvent>

#include "model/reactor_lines.h"
#include "model/summary_fields.h"
#include "ui/frame_style.h"
#include "ui/session.h"

namespace ampera {

namespace {

constexpr int kColumnWidth = 3660;
constexpr int kColumns[3] = {120, 3900, 7680};

}  // namespace

Form5::Form5(Session& session) : FormBase(session, kName, "Данные", 11520, 9960) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", "ampera Короткое замыкание ", nullptr, Picture1);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1, &ClickLabel::clicked, this, [this] { Picture1_Click(); });

    // Every label shows its text of the summary (model::SummaryTexts), drawn as it is made: the
    // headings and captions are the summary's start texts.
    auto value = [this](const char* name, int column, int top, int height) {
        QLabel* l = addLabel(this, name, "", kColumns[column], top, kColumnWidth, height);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    auto heading = [&](const char* name, int column, int top) {
        QLabel* l = value(name, column, top, 240);
        setTone(l, Tone::BoldHeading);
        return l;
    };

    // line slots: the heading, what was entered (two lines high), the length and the four values
    for (std::size_t c = 0; c < 3; ++c) {
        for (int k = 0; const model::LineSummaryLabel& l : model::kLineSummaryLabels) {
            if (k == 0) heading(l.names[c], int(c), 420);
            else if (k == 1) value(l.names[c], int(c), 660, 450);
            else value(l.names[c], int(c), 1110 + (k - 2) * 240, 240);
            ++k;
        }
    }

    // element groups: heading and value label per element
    for (std::size_t c = 0; c < 3; ++c) {
        for (int top = 2460; const model::ElementSummaryLabels& l : model::kElementSummaryLabels) {
            setTone(value(l.headingNames[c], int(c), top, 240), Tone::Heading);
            value(l.descriptionNames[c], int(c), top + 240, 450);
            top += 720;
        }
    }

    setTone(addLabel(this, model::kCurrentLabel.name, "", 120, 6120, 7440, 285), Tone::Total);

    Frame9 = addFrame(this, "Frame9", "Данные реактора", 120, 6480, 7440, 2355);
    for (int top = 270; const model::ReactorLine& l : model::kReactorLines) {
        addLabel(Frame9, l.summaryName, "", 120, top, 7200, 270);
        top += 285;
    }

    // The arc's Кс and Zк, the motor's start factor and rated current, two lines a frame.
    const auto pair = [this](QGroupBox* frame, std::span<const model::SummaryLabel> labels) {
        for (int top = 300; const model::SummaryLabel& l : labels) {
            addLabel(frame, l.name, "", 120, top, 3480, 270);
            top += 330;
        }
    };
    Frame3 = addFrame(this, "Frame3", "Учет дуги", 7680, 6480, 3720, 1095);
    pair(Frame3, model::kArcLabels);
    Frame2 = addFrame(this, "Frame2", "Учет АД", 7680, 7740, 3720, 1095);
    pair(Frame2, model::kMotorLabels);

    Frame1 = addFrame(this, "Frame1", "", 120, 8940, 11280, 855);
    Command1 = addButton(Frame1, "Command1", "закрыть", 240, 240, 1335, 375, [this] { Command1_Click(); });
    Command2 = addButton(Frame1, "Command2", "за", 1800, 240, 1335, 375, [this] { Command2_Click(); });
    Command3 = addButton(Frame1, "Command3", "перед", 1800, 240, 1335, 375, [this] { Command3_Click(); });
    Command4 = addButton(Frame1, "Command4", "очистить", 3360, 240, 1335, 375, [this] { Command4_Click(); });
}

void Form5::Form_Load() {
    move(x(), 0);
    Form_Activate();
}

bool Form5::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return FormBase::event(e);
}

void Form5::Form_Activate() {
    Command2->show();
    Command3->hide();
}

void Form5::Command1_Click() { hide(); }

void Form5::closeEvent(QCloseEvent* e) {
    Command1_Click();
    e->accept();
}

void Form5::Command2_Click() {
    session().showMain();
    Command2->hide();
    Command3->show();
}

void Form5::Command3_Click() {
    showModeless();
    Form_Activate();
}

void Form5::Command4_Click() { session().discard(kName); }

void Form5::Picture1_Click() { showMinimized(); }

}  // namespace ampera
