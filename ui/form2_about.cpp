#include "ui/form2_about.h"

#include <QCloseEvent>

#include "ui/frame_style.h"
#include "ui/platform.h"
#include "ui/session.h"
#include "version.h"

namespace ampera {

namespace {

constexpr int kNoteParkedTop = 3960;

const char* const kSupportNote =
    "ampera распространяется свободно. Если программа помогла Вам в работе, "
    "расскажите о ней коллегам. Помните: результат расчета точен настолько, "
    "насколько точны исходные данные, поэтому сверяйте параметры трансформаторов, "
    "кабелей и аппаратов с каталогами изготовителей.";

}  // namespace

Form2::Form2(Session& session) : FormBase(session, kName, "О программе ampera", 5640, 3840) {
    buildTitleStrip("Label2", "О программе ampera", nullptr, nullptr);
    Label2 = findChild<QLabel*>("Label2");

    Image2 = addGlyph(this, "Image2", "⚡", 240, 600, 735, 735, 36);
    addLabel(this, "lblProgram", "ampera Короткое замыкание v" AMPERA_VERSION, 1080, 600, 4320, 285);
    addLabel(this, "lblMethod", "расчет токов к.з. по ГОСТ 28249-93", 1080, 900, 4320, 285);

    Frame1 = addFrame(this, "Frame1", "Авторы", 240, 1440, 5160, 1215);
    Label1 = addLabel(Frame1, "Label1", "Разработчики проекта ampera", 120, 270, 4920, 255);
    Label3 = addLabel(Frame1, "Label3", "", 120, 540, 4920, 255);
    Label5 = addClickLabel(Frame1, "Label5", "", 120, 810, 2400, 255);
    Label8 = addClickLabel(Frame1, "Label8", "", 2640, 810, 2400, 255);
    Label59 = addClickLabel(this, "Label59", "https://ru.wikipedia.org/wiki/Короткое_замыкание", 240, 2760, 5160, 255);
    for (ClickLabel* l : {Label5, Label8, Label59}) {
        setTone(l, Tone::Link);
        l->setCursor(Qt::PointingHandCursor);
    }
    connect(Label5, &ClickLabel::clicked, this, [this] { Label5_Click(); });
    connect(Label8, &ClickLabel::clicked, this, [this] { Label8_Click(); });
    connect(Label59, &ClickLabel::clicked, this, [this] { Label59_Click(); });

    Command1 = addButton(this, "Command1", "OK", 4200, 3240, 1200, 375, [this] { Command1_Click(); });
    Command2 = addButton(this, "Command2", "Если Вам понравилась программа", 240, 3240, 3840, 375,
                         [this] { Command2_Click(); });

    Text1 = new QPlainTextEdit(kSupportNote, this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    place(Text1, 240, kNoteParkedTop, 5160, 2880);
    // The "x" sits in the title strip, above the revealed note, so it covers none of its words.
    Command3 = addButton(this, "Command3", "x", 5280, 15, 300, 225, [this] { Command3_Click(); });
}

void Form2::Form_Load() { Command3->hide(); }

void Form2::Command1_Click() { session().discard(kName); }

void Form2::closeEvent(QCloseEvent* e) {
    Command1_Click();
    e->accept();
}

void Form2::Command2_Click() {
    placeAt(Text1, 240, 240);
    Text1->raise();
    Command3->show();
    Command3->raise();
}

void Form2::Command3_Click() {
    placeAt(Text1, 240, kNoteParkedTop);
    Command3->hide();
}

void Form2::mail(const ClickLabel* address) {
    if (address->text().isEmpty()) return;  // no address to write to
    session().platform().launch("Open", "mailto:" + address->text() + "?Subject=" + "ampera-вопросы");
}

void Form2::Label5_Click() { mail(Label5); }
void Form2::Label8_Click() { mail(Label8); }
void Form2::Label59_Click() { session().platform().launch("Open", Label59->text()); }

}  // namespace ampera
