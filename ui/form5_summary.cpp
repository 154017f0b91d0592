#include "ui/form5_summary.h"

#include <QCloseEvent>
#include <QEvent>

#include "ui/form1.h"
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

    auto value = [this](const char* name, const QString& caption, int column, int top, int height) {
        QLabel* l = addLabel(this, name, caption, kColumns[column], top, kColumnWidth, height);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    auto heading = [&](const char* name, const QString& caption, int column, int top) {
        QLabel* l = value(name, caption, column, top, 240);
        setTone(l, Tone::BoldHeading);
        return l;
    };

    // line slots
    QLabel** lines[3][7] = {
        {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7},
        {&Label14, &Label22, &Label33, &Label44, &Label55, &Label66, &Label77},
        {&Label15, &Label222, &Label333, &Label444, &Label555, &Label666, &Label777},
    };
    const char* lineNames[3][7] = {
        {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"},
        {"Label14", "Label22", "Label33", "Label44", "Label55", "Label66", "Label77"},
        {"Label15", "Label222", "Label333", "Label444", "Label555", "Label666", "Label777"},
    };
    const char* lineHeadings[3] = {"ЛИНИЯ №1", "ЛИНИЯ №2", "ЛИНИЯ №3"};
    for (int c = 0; c < 3; ++c) {
        *lines[c][0] = heading(lineNames[c][0], lineHeadings[c], c, 420);
        *lines[c][1] = value(lineNames[c][1], "", c, 660, 450);
        for (int i = 2; i < 7; ++i) *lines[c][i] = value(lineNames[c][i], "", c, 1110 + (i - 2) * 240, 240);
    }

    // element groups: heading and value label per element
    QLabel** elements[3][10] = {
        {&Label8, &Label9, &Label10, &Label11, &Label12, &Label13, &Label16, &Label17, &Label18, &Label20},
        {&Label31, &Label30, &Label29, &Label28, &Label27, &Label26, &Label25, &Label24, &Label23, &Label21},
        {&Label42, &Label41, &Label40, &Label39, &Label38, &Label37, &Label36, &Label35, &Label34, &Label32},
    };
    const char* elementNames[3][10] = {
        {"Label8", "Label9", "Label10", "Label11", "Label12", "Label13", "Label16", "Label17", "Label18", "Label20"},
        {"Label31", "Label30", "Label29", "Label28", "Label27", "Label26", "Label25", "Label24", "Label23",
         "Label21"},
        {"Label42", "Label41", "Label40", "Label39", "Label38", "Label37", "Label36", "Label35", "Label34",
         "Label32"},
    };
    const char* elementHeadings[5] = {"конт.соединение кабелей", "конт.соединение шинопровода",
                                      "коммутационные аппараты", "обм.тр-ров тока", "катушки автоматов"};
    for (int c = 0; c < 3; ++c) {
        for (int e = 0; e < 5; ++e) {
            int top = 2460 + e * 720;
            *elements[c][2 * e] = value(elementNames[c][2 * e], elementHeadings[e], c, top, 240);
            setTone(*elements[c][2 * e], Tone::Heading);
            *elements[c][2 * e + 1] = value(elementNames[c][2 * e + 1], "", c, top + 240, 450);
        }
    }

    Label53 = addLabel(this, "Label53", "", 120, 6120, 7440, 285);
    setTone(Label53, Tone::Total);

    Frame9 = addFrame(this, "Frame9", "Данные реактора", 120, 6480, 7440, 2355);
    const char* reactorNames[7] = {"Label48", "Label47", "Label46", "Label45", "Label43", "Label54", "Label56"};
    const char* reactorCaptions[7] = {"потери активной мощности в фазе реактора при Iном, Ррном, Вт",
                                      "номинальный ток реактора, Iрном, А",
                                      "индуктивность катушки реактора, L, Гн",
                                      "взаимная индукциямежду фазами реактора, М, Гн",
                                      "частота напряжения сети, f, Гц",
                                      "Rp,мОм =",
                                      "Хр,мОм ="};
    QLabel** reactor[7] = {&Label48, &Label47, &Label46, &Label45, &Label43, &Label54, &Label56};
    for (int i = 0; i < 7; ++i)
        *reactor[i] = addLabel(Frame9, reactorNames[i], reactorCaptions[i], 120, 270 + i * 285, 7200, 270);

    Frame3 = addFrame(this, "Frame3", "Учет дуги", 7680, 6480, 3720, 1095);
    Label52 = addLabel(Frame3, "Label52", "коэффициент Кс", 120, 300, 3480, 270);
    Label51 = addLabel(Frame3, "Label51", "сопротивление цепи Zк", 120, 630, 3480, 270);
    Frame2 = addFrame(this, "Frame2", "Учет АД", 7680, 7740, 3720, 1095);
    Label50 = addLabel(Frame2, "Label50", "кратность пуска", 120, 300, 3480, 270);
    Label49 = addLabel(Frame2, "Label49", "ном.ток АД, А", 120, 630, 3480, 270);

    Frame1 = addFrame(this, "Frame1", "", 120, 8940, 11280, 855);
    Command1 = addButton(Frame1, "Command1", "закрыть", 240, 240, 1335, 375, [this] { Command1_Click(); });
    Command2 = addButton(Frame1, "Command2", "за", 1800, 240, 1335, 375, [this] { Command2_Click(); });
    Command3 = addButton(Frame1, "Command3", "перед", 1800, 240, 1335, 375, [this] { Command3_Click(); });
    Command4 = addButton(Frame1, "Command4", "очистить", 3360, 240, 1335, 375, [this] { Command4_Click(); });
}

void Form5::Form_Load() {
    move(x(), 0);
    Command2->show();
    Command3->hide();
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
    if (Form1* main = session().main()) main->showModeless();
    Command2->hide();
    Command3->show();
}

void Form5::Command3_Click() {
    showModeless();
    Command2->show();
    Command3->hide();
}

void Form5::Command4_Click() { session().discard(kName); }

void Form5::Picture1_Click() { showMinimized(); }

}  // namespace ampera
