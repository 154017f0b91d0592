#include "ui/form4_arc_motor.h"

#include "core/arc_motor.h"
#include "model/calculation_steps.h"
#include "ui/form5_summary.h"
#include "ui/form7_error.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

constexpr int kWidth = 6480, kHeight = 5460;
// Both pages occupy this place.
constexpr int kPageLeft = 120, kPageTop = 420, kPageWidth = 6240, kPageHeight = 4920;
// Controls that hold state only sit right of the window's edge.
constexpr int kParkedLeft = kWidth + 600;
constexpr int kFieldH = 285, kButtonW = 1335, kButtonH = 375;

}  // namespace

Form4::Form4(Session& session) : FormBase(session, kName, "ampera Короткое замыкание ", kWidth, kHeight) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", "ampera Короткое замыкание ", nullptr, Picture1);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1, &ClickLabel::clicked, this, [this] { Picture1_Click(); });

    // A caption and its field on one row, by columns {caption left, caption width, field left, field width}.
    const auto row = [this](QGroupBox* frame, const int(&c)[4], int top, QLabel*& label, const char* labelName,
                            const char* caption, QLineEdit*& field, const char* fieldName) {
        label = addLabel(frame, labelName, caption, c[0], top, c[1], kFieldH);
        field = addText(frame, fieldName, c[2], top, c[3], kFieldH);
    };
    const int arc[4] = {240, 2760, 3120, 1560}, motor[4] = {120, 1680, 1860, 900}, cable[4] = {120, 1320, 1500, 1320},
              result[4] = {120, 2280, 2520, 2040};

    // ---- arc page
    Frame4 = addFrame(this, "Frame4", "Учет дуги", kPageLeft, kPageTop, kPageWidth, kPageHeight);
    row(Frame4, arc, 420, Label10, "Label10", "коэффициент Кс", Text9, "Text9");
    row(Frame4, arc, 840, Label11, "Label11", "сопротивление цепи Zк", Text10, "Text10");
    row(Frame4, arc, 1260, Label12, "Label12", "ток К.З с учетом дуги, кА", Text11, "Text11");
    Check2 = addCheck(Frame4, "Check2", "установить в главное окно", 240, 1800, 3840, kFieldH, false, nullptr);
    Command4 = addButton(Frame4, "Command4", "ок", 240, 2280, kButtonW, kButtonH, [this] { Command4_Click(); });

    // ---- motor page
    Frame5 = addFrame(this, "Frame5", "Учет АД", kPageLeft, kPageTop, kPageWidth, kPageHeight);

    Frame1 = addFrame(Frame5, "Frame1", "АД", 120, 300, 2880, 1095);
    row(Frame1, motor, 300, Label1, "Label1", "ном.ток АД, А", Text1, "Text1");
    row(Frame1, motor, 660, Label2, "Label2", "кратность пуска", Text2, "Text2");

    Frame2 = addFrame(Frame5, "Frame2", "сопротивления кабеля до АД", 3120, 300, 3000, 1095);
    row(Frame2, cable, 300, Label4, "Label4", "R0, мОм", Text3, "Text3");
    row(Frame2, cable, 660, Label5, "Label5", "X0, мОм", Text4, "Text4");

    Command2 = addButton(Frame5, "Command2", "сохранить", 120, 1500, kButtonW, kButtonH, [this] { Command2_Click(); });
    Check1 = addCheck(Frame5, "Check1", "", 1560, 1560, 255, 255, false, nullptr);

    Frame3 = addFrame(Frame5, "Frame3", "Расчет", 120, 1980, 6000, 2820);
    Command3 = addButton(Frame3, "Command3", "расчет", 120, 300, kButtonW, kButtonH, [this] { Command3_Click(); });
    row(Frame3, result, 840, Label6, "Label6", "Xэл, мОм", Text5, "Text5");
    row(Frame3, result, 1200, Label7, "Label7", "фазная ЕДС, В", Text6, "Text6");
    row(Frame3, result, 1560, Label8, "Label8", "ток К.З от АД, кА", Text7, "Text7");
    Check3 = addCheck(Frame3, "Check3", "установить в главное окно", 120, 1980, 3840, kFieldH, false, nullptr);
    Command1 = addButton(Frame3, "Command1", "к.з с АД", 120, 2340, kButtonW, kButtonH, [this] { Command1_Click(); });
    Label3 = addLabel(Frame3, "Label3", "ток К.З с учетом АД", 1560, 2385, 2880, kFieldH);

    // ---- state holders, out of the visible area
    Text8 = addText(this, "Text8", kParkedLeft, 600, 1200, kFieldH);
    Text12 = addText(this, "Text12", kParkedLeft, 960, 1200, kFieldH);
    Label13 = addLabel(this, "Label13", "", kParkedLeft, 1320, 600, kFieldH);
    Label14 = addLabel(this, "Label14", "", kParkedLeft, 1680, 600, kFieldH);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    Frame5->hide();
}

void Form4::Form_Load() {
    move(0, 0);
    Timer1->start();
    Text8->setText(q(model().main.current));
    loadSettings(session(), settings());
    model().set(model().arcMotor.arcConfirmed, "0");
    model().set(model().arcMotor.motorConfirmed, "0");
    Text5->setText("0");
    Text6->setText("0");
    Text7->setText("0");
}

void Form4::showArcPage() {
    showPage(true);
    Timer1->start();
}

void Form4::showMotorPage() { showPage(false); }

void Form4::showPage(bool arcPage) {
    model::takeCalculatedCurrent(model());
    Frame4->setVisible(arcPage);
    Frame5->setVisible(!arcPage);
    showModeless();
}

void Form4::stopArcTimer() { Timer1->stop(); }

// ---- arc page

void Form4::Timer1_Timer() {
    Timer1->stop();
    const model::MainTexts& m = model().main;
    const ArcResult r = calculateArc({.rsum = m.rsum,
                                      .xsum = m.xsum,
                                      .ik = m.current,
                                      .r01 = m.lines[0].r0,
                                      .x01 = m.lines[0].x0,
                                      .r02 = m.lines[1].r0,
                                      .x02 = m.lines[1].x0,
                                      .r03 = m.lines[2].r0,
                                      .x03 = m.lines[2].x0,
                                      .rt = m.rt,
                                      .xt = m.xt,
                                      .threePhase = m.faultMode() != FaultMode::SinglePhase});
    if (r.error != NumError::None) return;  // nothing to show until the main window holds a calculation
    Text9->setText(q(r.kc.toText()));
    Text10->setText(q(r.zk.toText()));
    Text11->setText(q(r.id.toText()));
}

void Form4::Command4_Click() {
    // Pressed before the arc values were computed: compute them now, so
    // the main window never receives an empty current.
    if (Timer1->isActive()) Timer1_Timer();
    hide();
    Form5* summary = session().form<Form5>();
    model::confirmArc(model());
    if (Check2->isChecked()) summary->showModeless();
    Timer1->stop();
}

// ---- motor page

void Form4::Command3_Click() {
    const MotorResult r = calculateMotor({.ratedCurrent = text(Text1),
                                          .startFactor = text(Text2),
                                          .uf = model().main.uf,
                                          .r0 = text(Text3),
                                          .x0 = text(Text4)});
    if (r.error == NumError::Conversion) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    if (r.error != NumError::None) {
        // Nothing can be computed (Iном or Kп of 0): no result of an earlier
        // computation stays on the page as if it were current.
        Text5->setText("0");
        Text6->setText("0");
        Text7->setText("0");
        return;
    }
    Text5->setText(shown(r.xel));
    Text6->setText(shown(r.e));
    Text7->setText(shown(r.iad));
    session().form<Form5>()->showModeless();
    model().set(model().summary.motorRatedCurrent, "ном.ток АД,А " + text(Text1));
    model().set(model().summary.motorStartFactor, "кратность пуска " + text(Text2));
    showModeless();  // in front of the summary
}

void Form4::Command1_Click() {
    model::takeCalculatedCurrent(model());
    const Checked<Fixed4> sum = currentWithMotor(text(Text7), text(Text8));
    if (!sum.ok()) {
        showErrorDialog(session(), kDecimalCommaMessage);
        return;
    }
    hide();
    model::confirmMotor(model(), sum.value.toText());
}

void Form4::Command2_Click() {
    if (!Check1->isChecked()) return;
    saveSettings(session(), settings());
}

std::vector<Setting> Form4::settings() const {
    return {{"Ad", "Ik", Text1}, {"Ad", "K", Text2}, {"Ad", "R0", Text3}, {"Ad", "X0", Text4}};
}

void Form4::Picture1_Click() { showMinimized(); }

}  // namespace ampera
