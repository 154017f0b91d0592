#include "ui/form5_summary.h"

#include <QCloseEvent>
#include <QEvent>

#include "model/reactor_lines.h"
#include "ui/frame_style.h"
#include "ui/session.h"

namespace ampera {

namespace {

constexpr int kColumnWidth = 3660;
constexpr int kColumns[3] = {120, 3900, 7680};

// The labels of the line slots and element groups, each with its object name.
struct Named {
    QLabel* Form5::*label;
    const char* name;
};
#define NAMED(label) \
    Named { &Form5::label, #label }
constexpr Named kLineSlots[3][7] = {
    {NAMED(Label1), NAMED(Label2), NAMED(Label3), NAMED(Label4), NAMED(Label5), NAMED(Label6), NAMED(Label7)},
    {NAMED(Label14), NAMED(Label22), NAMED(Label33), NAMED(Label44), NAMED(Label55), NAMED(Label66), NAMED(Label77)},
    {NAMED(Label15), NAMED(Label222), NAMED(Label333), NAMED(Label444), NAMED(Label555), NAMED(Label666),
     NAMED(Label777)},
};
constexpr Named kElementGroups[3][10] = {
    {NAMED(Label8), NAMED(Label9), NAMED(Label10), NAMED(Label11), NAMED(Label12), NAMED(Label13), NAMED(Label16),
     NAMED(Label17), NAMED(Label18), NAMED(Label20)},
    {NAMED(Label31), NAMED(Label30), NAMED(Label29), NAMED(Label28), NAMED(Label27), NAMED(Label26), NAMED(Label25),
     NAMED(Label24), NAMED(Label23), NAMED(Label21)},
    {NAMED(Label42), NAMED(Label41), NAMED(Label40), NAMED(Label39), NAMED(Label38), NAMED(Label37), NAMED(Label36),
     NAMED(Label35), NAMED(Label34), NAMED(Label32)},
};
#undef NAMED

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

    // line slots
    for (int c = 0; c < 3; ++c) {
        const Named* l = kLineSlots[c];
        this->*l[0].label = heading(l[0].name, c, 420);
        this->*l[1].label = value(l[1].name, c, 660, 450);
        for (int i = 2; i < 7; ++i) this->*l[i].label = value(l[i].name, c, 1110 + (i - 2) * 240, 240);
    }

    // element groups: heading and value label per element
    for (int c = 0; c < 3; ++c) {
        for (int e = 0; e < 5; ++e) {
            const int top = 2460 + e * 720;
            const Named& h = kElementGroups[c][2 * e];
            const Named& v = kElementGroups[c][2 * e + 1];
            this->*h.label = value(h.name, c, top, 240);
            setTone(this->*h.label, Tone::Heading);
            this->*v.label = value(v.name, c, top + 240, 450);
        }
    }

    Label53 = addLabel(this, "Label53", "", 120, 6120, 7440, 285);
    setTone(Label53, Tone::Total);

    Frame9 = addFrame(this, "Frame9", "Данные реактора", 120, 6480, 7440, 2355);
    for (int top = 270; const model::ReactorLine& l : model::kReactorLines) {
        addLabel(Frame9, l.summaryName, "", 120, top, 7200, 270);
        top += 285;
    }

    Frame3 = addFrame(this, "Frame3", "Учет дуги", 7680, 6480, 3720, 1095);
    Label52 = addLabel(Frame3, "Label52", "", 120, 300, 3480, 270);
    Label51 = addLabel(Frame3, "Label51", "", 120, 630, 3480, 270);
    Frame2 = addFrame(this, "Frame2", "Учет АД", 7680, 7740, 3720, 1095);
    Label50 = addLabel(Frame2, "Label50", "", 120, 300, 3480, 270);
    Label49 = addLabel(Frame2, "Label49", "", 120, 630, 3480, 270);

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
