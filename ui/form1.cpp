#include "ui/form1.h"

#include <QCloseEvent>

#include "core/fault_calculation.h"
#include "model/calculation_steps.h"
#include "model/main_value_fields.h"
#include "ui/calculation_document.h"
#include "ui/file_drop.h"
#include "ui/form2_about.h"
#include "ui/form3_elements.h"
#include "ui/form4_arc_motor.h"
#include "ui/form5_summary.h"
#include "ui/form6_transformer_catalogue.h"
#include "ui/form7_error.h"
#include "ui/form8_checks.h"
#include "ui/form9_network.h"
#include "ui/frame_style.h"
#include "ui/one_line_diagram.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/recent_files.h"
#include "ui/session.h"

namespace ampera {

namespace {

constexpr int kFieldW = 735, kFieldH = 285;
constexpr int kButtonW = 975, kButtonH = 375;

}  // namespace

Form1::Form1(Session& session) : FormBase(session, kName, kCaption, 10935, 11295) {
    Picture1[0] = makePicture("Picture1[0]", "×");
    Picture1[1] = makePicture("Picture1[1]", "_");
    buildTitleStrip("Label7", kTitle, Picture1[0], Picture1[1]);
    Label7 = findChild<QLabel*>("Label7");
    addDragHandle(Label7);
    connect(Picture1[0], &ClickLabel::clicked, this, [this] { Picture1_Click(0); });
    connect(Picture1[1], &ClickLabel::clicked, this, [this] { Picture1_Click(1); });

    Frame1 = addFrame(this, "Frame1", "Задано", 240, 360, 10215, 5775);
    buildTransformerFrame();
    buildLineAndElementFrames();
    Image3 = new OneLineDiagram(Frame1);
    place(Image3, 4440, 240, 5535, 1320);
    buildResultFrame();
    buildSummaryFrame();
    buildCablePanel();
    buildOverheadPanel();

    Label60 = addLabel(this, "Label60", "Расчет токов короткого замыкания в сетях 0,4 кВ по ГОСТ 28249-93", 240, 7560,
                       8400, 255);
    Label59 = addClickLabel(this, "Label59", "https://ru.wikipedia.org/wiki/Короткое_замыкание", 240, 7920, 8400, 255);
    setTone(Label59, Tone::Link);
    Label59->setCursor(Qt::PointingHandCursor);
    connect(Label59, &ClickLabel::clicked, this, [this] { Label59_Click(); });
    Image2 = addGlyph(this, "Image2", "⚡", 9960, 7560, 495, 615, 28);

    // The calculation file: its name in the titles, the file menu, files dropped onto the window.
    document_ = std::make_unique<CalculationDocument>(model(), session.network());
    document_->onChanged = [this] { showTitle(); };
    recent_ = std::make_unique<RecentFiles>(session);
    buildFileMenu();
    new CalculationDrop(this, [this](const QString& path) { openFile(path); });
}

Form1::~Form1() = default;

void Form1::buildTransformerFrame() {
    Frame9 = addFrame(Frame1, "Frame9", "Тр-р ", 240, 1680, 1935, 3975);
    for (int top = 300; const model::TransformerField& t : model::kTransformerFields) {
        QLineEdit* field = addText(Frame9, t.name, 1080, top, 735, kFieldH);
        addLabel(Frame9, t.labelName, t.caption, 120, top, 960, kFieldH);
        if (t.text == &model::MainTexts::st) onChange(field, [this] { txtSt_Change(); });
        if (t.text == &model::MainTexts::i) onChange(field, [this] { txtI_Change(); });
        top += 360;
    }
    Option18 = addOption(Frame9, "Option18", "Y/Y", 120, 2460, 840, 285, [this] { Option18_Click(); });
    Option17 = addOption(Frame9, "Option17", "Д/Y", 1020, 2460, 840, 285, [this] { Option17_Click(); });
    Command20 = addButton(Frame9, "Command20", "выбрать", 120, 2880, 1695, 375, [this] { Command20_Click(); });
    Command11 = addButton(Frame9, "Command11", "сохранить ", 120, 3360, 1335, 375, [this] { Command11_Click(); });
    Check1 = addCheck(Frame9, "Check1", "", 1560, 3420, 255, 255, false, nullptr);
}

void Form1::buildLineAndElementFrames() {
    Frame3 = addFrame(Frame1, "Frame3", "", 2040, 720, 2175, 735);
    Option10 = addOption(Frame3, "Option10", "кабель ", 120, 120, 1935, 255, [this] { Option10_Click(); });
    Option11 = addOption(Frame3, "Option11", "воздушная линия", 120, 420, 1935, 255, [this] { Option11_Click(); });

    Frame7 = addFrame(Frame1, "Frame7", "Сопротивления линии (кабель/провод)", 2280, 1680, 7575, 1095);
    const char* slotNames[] = {"lblLine1", "lblLine2", "lblLine3"};
    const char* slotCaptions[] = {"линия №1", "линия №2", "линия №3"};
    for (int i = 0; i < 3; ++i) addLabel(Frame7, slotNames[i], slotCaptions[i], 240 + i * 2520, 300, 1335, 255);
    Command2 = addButton(Frame7, "Command2", " выбрать", 240, 600, 1335, kButtonH, [this] { Command2_Click(); });
    Command3 = addButton(Frame7, "Command3", "выбрать", 2760, 600, 1335, kButtonH, [this] { Command3_Click(); });
    Command4 = addButton(Frame7, "Command4", "выбрать", 5280, 600, 1335, kButtonH, [this] { Command4_Click(); });
    Label38 = addLabel(Frame7, "Label38", "0", 1680, 660, 255, 255);
    Label39 = addLabel(Frame7, "Label39", "0", 4200, 660, 255, 255);
    Label40 = addLabel(Frame7, "Label40", "0", 6720, 660, 255, 255);

    Frame5 = addFrame(Frame1, "Frame5", "Сопротивления контактов,шин,аппаратов,катушек,трансформаторов тока", 2280,
                      2880, 7575, 735);
    Command6 = addButton(Frame5, "Command6", "выбрать", 240, 270, 1335, 345, [this] { Command6_Click(); });
    Command16 = addButton(Frame5, "Command16", "выбрать", 2760, 270, 1335, 345, [this] { Command16_Click(); });
    Command17 = addButton(Frame5, "Command17", "выбрать", 5280, 270, 1335, 345, [this] { Command17_Click(); });

    Frame8 = addFrame(Frame1, "Frame8", "Сопротивление реактора", 2280, 3720, 7575, 735);
    Command7 = addButton(Frame8, "Command7", "выбрать", 240, 270, 1335, 345, [this] { Command7_Click(); });

    Frame10 = addFrame(Frame1, "Frame10", "Учет АД", 2280, 4560, 3615, 735);
    Command14 = addButton(Frame10, "Command14", "АД", 240, 270, 1335, 345, [this] { Command14_Click(); });
    Frame16 = addFrame(Frame1, "Frame16", "Учет дуги", 6120, 4560, 3735, 735);
    Command15 = addButton(Frame16, "Command15", "дуга", 240, 270, 1335, 345, [this] { Command15_Click(); });
}

void Form1::buildSummaryFrame() {
    Frame6 = addFrame(this, "Frame6", "", 240, 8400, 10455, 2655);
    // Four columns of four values, each with its caption: line slots 1 … 3, then element group 1 and the reactor.
    const int lefts[4] = {240, 2880, 5520, 8040}, tops[4] = {240, 600, 960, 1320};
    const auto value = [&](int column, int row, const char* name, const char* labelName, const char* caption) {
        addText(Frame6, name, lefts[column], tops[row], kFieldW, kFieldH, "0");
        addLabel(Frame6, labelName, caption, lefts[column] + 840, tops[row], 585, kFieldH);
    };
    for (std::size_t s = 0; s < 3; ++s)
        for (int row = 0; const auto& v : model::kLineValueFields)
            value(int(s), row++, v.names[s], v.labelNames[s], v.caption);
    for (int row = 0; const auto& v : model::kElementValueFields)
        value(3, row++, v.names[0], v.labelNames[0], v.caption);
    for (int row = int(std::size(model::kElementValueFields)); const auto& v : model::kReactorValueFields)
        value(3, row++, v.names[0], v.labelNames[0], v.caption);
    // Element groups 2 and 3 at the right, without captions.
    for (std::size_t g = 1; g < 3; ++g)
        for (int row = 0; const auto& v : model::kElementValueFields)
            addText(Frame6, v.names[g], 9480 + int(g - 1) * 480, tops[row++], 375, kFieldH, "0");

    Text1 = addText(Frame6, "Text1", 240, 1800, kFieldW, kFieldH);
    addLabel(Frame6, "lblXt", "Xтр", 1080, 1800, 450, kFieldH);
    Text3 = addText(Frame6, "Text3", 1560, 1800, kFieldW, kFieldH);
    addLabel(Frame6, "lblRt", "Rтр", 2400, 1800, 450, kFieldH);
    Text5 = addText(Frame6, "Text5", 3000, 1800, 855, kFieldH);
    addLabel(Frame6, "lblXs", "Xк", 3960, 1800, 450, kFieldH);
    Text6 = addText(Frame6, "Text6", 5520, 1920, 690, kFieldH);
    Text7 = addText(Frame6, "Text7", 6240, 1920, 855, kFieldH);
    addLabel(Frame6, "lblTotals", "R и X общие", 7200, 1920, 1500, kFieldH);
    Text8 = addText(Frame6, "Text8", 5520, 2280, 690, kFieldH);
    Text9 = addText(Frame6, "Text9", 6240, 2280, 855, kFieldH);
    addLabel(Frame6, "lblYy", "R;X - Y/Y", 7200, 2280, 1500, kFieldH);
}

void Form1::buildResultFrame() {
    Frame4 = addFrame(this, "Frame4", "", 240, 6240, 10215, 1215);
    Option12 = addOption(Frame4, "Option12", "расчет трехфазного к.з", 240, 240, 2220, 285, nullptr);
    Option13 = addOption(Frame4, "Option13", "расчет однофазного к.з", 240, 600, 2220, 285, nullptr);
    Label44 = addLabel(Frame4, "Label44", "ток к.з, кA", 2520, 90, 1500, 255);
    Text4 = addText(Frame4, "Text4", 2520, 360, 975, 375);
    onChange(Text4, [this] { Text4_Change(); });
    Label62 = addLabel(Frame4, "Label62", "", 2520, 840, 975, 255);
    Command1 = addButton(Frame4, "Command1", "Расчет", 4560, 240, kButtonW, kButtonH, [this] { Command1_Click(); });
    Command19 = addButton(Frame4, "Command19", "Сброс", 4560, 720, kButtonW, kButtonH, [this] { Command19_Click(); });
    Command21 = addButton(Frame4, "Command21", "Данные ", 5640, 240, kButtonW, kButtonH, [this] { Command21_Click(); });
    Command22 = addButton(Frame4, "Command22", "Отчет", 5640, 720, kButtonW, kButtonH, [this] { Command22_Click(); });
    Command18 = addButton(Frame4, "Command18", "Помощь", 7800, 240, kButtonW, kButtonH, [this] { Command18_Click(); });
    Command12 = addButton(Frame4, "Command12", "Авторы", 7800, 720, kButtonW, kButtonH, [this] { Command12_Click(); });
    Command13 = addButton(Frame4, "Command13", "Выход", 8880, 240, kButtonW, kButtonH, [this] { Command13_Click(); });
    Command23 = addButton(Frame4, "Command23", "Проверка", 6720, 240, kButtonW, kButtonH,
                          [this] { Command23_Click(); });
    Command24 = addButton(Frame4, "Command24", "Файл", 6720, 720, kButtonW, kButtonH, [this] { Command24_Click(); });
    Command25 = addButton(Frame4, "Command25", "Сеть", 8880, 720, kButtonW, kButtonH, [this] { Command25_Click(); });
}

// ---- start-up

void Form1::Form_Load() {
    // The frame and the background colour are made with the window. The
    // default options are selected with their click behaviour: Д/Y, the first
    // cable type with its list, a cable as line 1, the three-phase fault.
    select(Option17);
    Text2->hide();
    fillCableList(1);
    setListIndex(List1, 0);
    select(Option1);
    select(Option10);
    select(Option12);
    // The entry panels and the state holders stay out of sight.
    Frame2->hide();
    Label38->hide();
    Label39->hide();
    Label40->hide();
    Label62->hide();
    select(Option14);
    Frame15->hide();
    Frame11->hide();
    // With no current calculated there is nothing for the arc or the motor.
    for (QWidget* w :
         {static_cast<QWidget*>(Command8), static_cast<QWidget*>(Command15), static_cast<QWidget*>(Frame16),
          static_cast<QWidget*>(Command14), static_cast<QWidget*>(Frame10)})
        w->setEnabled(false);
    model::clearYyAdditions(model());
    // The transformer as it was last saved.
    loadSettings(session(), settings());
    txtI_Change();  // an empty supply current becomes "0" even when the text did not change
}

// ---- change reactions

void Form1::Option17_Click() { model::clearYyAdditions(model()); }

void Form1::Option18_Click() { model::lookUpYyAdditions(model()); }

void Form1::txtSt_Change() { model::followTransformerPower(model()); }

void Form1::txtI_Change() { model::fillSupplyCurrent(model()); }

// With a current shown, the arc and the motor can be taken into account.
void Form1::Text4_Change() {
    bool result = !Text4->text().isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(Command15), static_cast<QWidget*>(Frame16),
                       static_cast<QWidget*>(Command14), static_cast<QWidget*>(Frame10)})
        w->setEnabled(result);
    makeSummary();
    model::summarizeCurrent(model());
}

void Form1::Option10_Click() {
    makeSummary();
    model::describeLine1Kind(model(), model::Line1Kind::Cable);
}

void Form1::Option11_Click() {
    makeSummary();
    model::describeLine1Kind(model(), model::Line1Kind::Overhead);
}

// The summary is made (hidden) by the first text the main window gives it.
void Form1::makeSummary() { session().form<Form5>(); }

// ---- the calculation

void Form1::Command1_Click() {
    const FaultResult r = calculateFault(model::faultTexts(model().main));
    if (r.error == NumError::Conversion) showErrorDialog(session(), kDecimalCommaMessage);
    model::applyFault(model(), r);
}

// ---- settings

void Form1::Command11_Click() {
    if (!Check1->isChecked()) return;
    saveSettings(session(), settings());
}

std::vector<Setting> Form1::settings() const {
    std::vector<Setting> out;
    for (const model::TransformerField& t : model::kTransformerFields)
        out.push_back({"Tr", t.key, findChild<QLineEdit*>(t.name)});
    return out;
}

// ---- navigation

void Form1::Command21_Click() { session().form<Form5>()->showModeless(); }

void Form1::Command12_Click() { session().form<Form2>()->showModeless(); }

// "выбрать" in the transformer frame: the catalogue, created anew after it
// discarded itself, shown modeless beside the main window; a minimised
// catalogue comes back as it was left.
void Form1::Command20_Click() { session().form<Form6>()->showModeless(); }

void Form1::Command23_Click() {
    Form8* f = session().form<Form8>();
    f->showModeless();
    f->Command1_Click();
}

// The network window is made at its first use, not at start.
void Form1::Command25_Click() { session().form<Form9>()->showModeless(); }

// The network window comes up, where the export's status is shown, and exports.
void Form1::mnuNetworkExcel_Click() {
    Form9* network = session().form<Form9>();
    network->showModeless();
    network->exportNetwork();
}

// The element group buttons: the element dialog for group 1 … 3, which becomes the current slot.
void Form1::Command6_Click() {
    session().form<Form3>()->showElements();
    model::chooseSlot(model(), 1);
}

void Form1::Command16_Click() {
    session().form<Form3>()->showElements();
    model::chooseSlot(model(), 2);
}

void Form1::Command17_Click() {
    session().form<Form3>()->showElements();
    model::chooseSlot(model(), 3);
}

void Form1::Command7_Click() { session().form<Form3>()->showReactor(); }

void Form1::Command15_Click() { session().form<Form4>()->showArcPage(); }

void Form1::Command14_Click() { session().form<Form4>()->showMotorPage(); }

void Form1::stopArcTimer() {
    if (Form4* f = session().existing<Form4>()) f->stopArcTimer();
}

void Form1::Command18_Click() { session().platform().launch("open", session().helpPath()); }

void Form1::Command13_Click() {
    if (mayLeaveCalculation()) session().end();
}

void Form1::Picture1_Click(int index) {
    if (index != 0) showMinimized();
    else if (mayLeaveCalculation()) session().end();
}

void Form1::closeEvent(QCloseEvent* e) {
    if (!mayLeaveCalculation()) {
        e->ignore();
        return;
    }
    FormBase::closeEvent(e);
    session().end();
}

void Form1::Label59_Click() { session().platform().launch("Open", Label59->text()); }

// ---- reset

void Form1::Command19_Click() {
    // The arc computation pending on the arc page is dropped, no current is
    // shown and the secondary windows' entries go back to their start.
    stopArcTimer();
    model::reset(model());
    // The overhead-line panel starts anew, and the input area shows its frames.
    select(Option14);
    txtL->setText("0");
    Command8->setEnabled(false);
    for (QLineEdit* e : {txtRv1, txtXv1, txtRv0, txtXv0}) e->setText("0");
    for (QWidget* w : {Frame2, Frame11, Frame15}) w->hide();
    for (QWidget* w : {Frame9, Frame7, Frame8, Frame12}) w->show();
    // The windows of those entries are discarded: their next use starts from their design state.
    session().discard("Form3");
    session().discard("Form4");
    session().discard("Form5");
    session().discard("Form8");
    session().discard("Form10");
}

}  // namespace ampera
