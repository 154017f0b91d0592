// The element dialog: construction, loading and the title strip.
#include "ui/form3_elements.h"

#include "catalogue/element_catalogue.h"
#include "model/reactor_lines.h"
#include "ui/frame_style.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

// Twips.
constexpr int kFieldH = 315;
constexpr int kLabelH = 255;
constexpr int kComboW = 1455;
constexpr int kValueLeft = 4080;  // value fields of the element frames
constexpr int kValueW = 1215;
constexpr int kCaptionLeft = 1800;  // captions beside them
constexpr int kCaptionW = 2220;
constexpr int kColumnW = 5460;
constexpr int kButtonW = 1335;
constexpr int kButtonH = 375;

}  // namespace

Form3::Form3(Session& session) : FormBase(session, kName, "Сопротивления элементов", 11520, 7170) {
    Picture1 = makePicture("Picture1", "_");
    buildTitleStrip("Label19", "ampera Короткое замыкание ", nullptr, Picture1);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1, &ClickLabel::clicked, this, [this] { Picture1_Click(); });

    buildElementFrames();
    buildReactorFrame();
}

void Form3::buildElementFrames() {
    // A caption with its value field beside it.
    auto row = [this](QGroupBox* frame, QLabel*& label, const char* labelName, const QString& caption,
                      QLineEdit*& field, const char* fieldName, int top, int valueLeft) {
        label = addLabel(frame, labelName, caption, kCaptionLeft, top + 30, valueLeft - kCaptionLeft - 60, kLabelH);
        field = addText(frame, fieldName, valueLeft, top, kValueW, kFieldH, "0");
    };
    // A caption over the list of a catalogue's keys.
    auto lookup = [this](QGroupBox* frame, QLabel*& label, const char* labelName, const QString& caption, int top,
                         int width, QComboBox*& combo, const char* name, std::span<const std::string_view> keys,
                         std::function<void()> onPick) {
        label = addLabel(frame, labelName, caption, 120, top, width, kLabelH);
        combo = addCombo(frame, name, 120, top + 300, kComboW, kFieldH, std::move(onPick));
        fillCombo(combo, items(keys), "0");
    };

    // contacts and joints: cable and busbar joints on the left, apparatus on the right
    Frame1 = addFrame(this, "Frame1", "Сопротивления контактов и контактных соединений", 120, 420, 11280, 3510);

    Frame2 = addFrame(Frame1, "Frame2", "Сопротивление контактных соединений кабеля", 120, 270, kColumnW, 1530);
    lookup(Frame2, Label1, "Label1", "сечение алюминиевого кабеля,мм.кв", 300, 5220, Combo1, "Combo1",
           catalogue::cableJointKeys(), [this] { Combo1_Click(); });
    row(Frame2, Label3, "Label3", "ко-во соедин.", Text2, "Text2", 600, kValueLeft);
    row(Frame2, Label2, "Label2", "сопротивление, мОм", Text1, "Text1", 1020, kValueLeft);

    Frame3 = addFrame(Frame1, "Frame3", "Сопротивление контактных соединений шинопроводов", 120, 1890, kColumnW, 1530);
    lookup(Frame3, Label5, "Label5", "номинальнный ток, А", 300, 2160, Combo2, "Combo2", catalogue::busbarJointKeys(),
           [this] { Combo2_Click(); });
    Label7 = addLabel(Frame3, "Label7", "", 2400, 300, 2940, kLabelH);
    setTone(Label7, Tone::Heading);
    row(Frame3, Label6, "Label6", "длина, м", Text4, "Text4", 600, kValueLeft);
    row(Frame3, Label4, "Label4", "сопротивление, мОм", Text3, "Text3", 1020, kValueLeft);

    Frame4 = addFrame(Frame1, "Frame4", "Сопротивление разъемных контактов комутационных аппаратов", 5700, 270,
                      kColumnW, 3150);
    Option1 = addOption(Frame4, "Option1", "автоматического выключателя", 240, 360, 4800, kLabelH,
                        [this] { Option1_Click(); });
    Option2 = addOption(Frame4, "Option2", "рубильника", 240, 690, 4800, kLabelH, [this] { Option2_Click(); });
    Option3 = addOption(Frame4, "Option3", "разъединителя", 240, 1020, 4800, kLabelH, [this] { Option3_Click(); });
    lookup(Frame4, Label10, "Label10", "номинальнный ток, А", 1560, 5220, Combo3, "Combo3",
           catalogue::apparatusContactKeys(), [this] { Combo3_Click(); });
    row(Frame4, Label8, "Label8", "ко-во контактов", Text5, "Text5", 1860, kValueLeft);
    row(Frame4, Label9, "Label9", "сопротивление, мОм", Text6, "Text6", 2280, kValueLeft);

    // current-transformer windings (left) and breaker coils (right)
    Frame5 = addFrame(this, "Frame5", "Сопротивление обмоток трансформаторов тока", 120, 4020, 5580, 2250);
    Option4 = addOption(Frame5, "Option4", "класс точности 1", 240, 330, 2280, kLabelH, [this] { Option4_Click(); });
    Option5 = addOption(Frame5, "Option5", "класс точности 2", 2640, 330, 2280, kLabelH, [this] { Option5_Click(); });
    lookup(Frame5, Label15, "Label15", "коэффициент трансформации тр-ра тока", 690, 5340, Combo5, "Combo5",
           catalogue::currentTransformerKeys(), [this] { Combo5_Click(); });
    row(Frame5, Label17, "Label17", "ко-во обмоток", Text10, "Text10", 990, kValueLeft + 120);
    row(Frame5, Label16, "Label16", "Rта сопротивление, мОм", Text12, "Text12", 1380, kValueLeft + 120);
    row(Frame5, Label18, "Label18", "Xта сопротивление, мОм", Text11, "Text11", 1770, kValueLeft + 120);

    Frame6 = addFrame(this, "Frame6", "Сопротивление катушек автоматичечких выключателей ", 5820, 4020, 5580, 2250);
    lookup(Frame6, Label11, "Label11", "номинальнный ток, А", 360, 5340, Combo4, "Combo4", catalogue::breakerCoilKeys(),
           [this] { Combo4_Click(); });
    row(Frame6, Label13, "Label13", "ко-во катушек", Text7, "Text7", 660, kValueLeft + 120);
    row(Frame6, Label12, "Label12", "Rkb сопротивление, мОм", Text8, "Text8", 1080, kValueLeft + 120);
    row(Frame6, Label14, "Label14", "Xkb сопротивление, мОм", Text9, "Text9", 1500, kValueLeft + 120);

    // confirm
    Frame7 = addFrame(this, "Frame7", "", 8220, 6330, 3180, 735);
    Check3 = addCheck(Frame7, "Check3", "", 600, 255, 255, kLabelH, true, nullptr);
    Command1 = addButton(Frame7, "Command1", "ввести", 1020, 195, kButtonW + 360, kButtonH,
                         [this] { Command1_Click(); });
    makeConfirm(Check3, Command1);
    Text13 = addText(Frame7, "Text13", 120, 195, 420, kFieldH);
    Text14 = addText(Frame7, "Text14", 120, 195, 420, kFieldH);
}

void Form3::buildReactorFrame() {
    // Lies over the element frames; shown only for the reactor entry.
    Frame8 = addFrame(this, "Frame8", "Сопротивление реактора", 120, 420, 11280, 6645);
    makeCovering(Frame8);

    constexpr int kDataLabelW = 8160;
    constexpr int kDataLeft = 8400;
    constexpr int kDataW = 2400;
    // The lines of the reactor's data in a frame: each caption with its field beside it.
    const auto lines = [this](QGroupBox* frame, std::span<const model::ReactorLine> rows, const QString& start) {
        int top = 360;
        for (const model::ReactorLine& l : rows) {
            addLabel(frame, l.labelName, l.caption, 240, top + 30, kDataLabelW, kLabelH);
            addText(frame, l.fieldName, kDataLeft, top, kDataW, kFieldH, start);
            top += 450;
        }
    };
    Frame9 = addFrame(Frame8, "Frame9", "Данные реактора", 120, 300, 11040, 2700);
    lines(Frame9, model::kReactorData, {});
    Frame10 = addFrame(Frame8, "Frame10", "Сопротивления реактора", 120, 3120, 11040, 1320);
    lines(Frame10, model::kReactorImpedance, "0");

    const int buttons = 4680;
    Command3 = addButton(Frame8, "Command3", "=", 240, buttons, kButtonW, kButtonH, [this] { Command3_Click(); });
    Check2 = addCheck(Frame8, "Check2", "", 3960, buttons + 60, 255, kLabelH, true, nullptr);
    Command2 = addButton(Frame8, "Command2", "ввести", 4320, buttons, kButtonW + 360, kButtonH,
                         [this] { Command2_Click(); });
    makeConfirm(Check2, Command2);
    Check1 = addCheck(Frame8, "Check1", "", 7140, buttons + 60, 255, kLabelH, false, nullptr);
    Command4 = addButton(Frame8, "Command4", "сохранить", 7500, buttons, kButtonW + 360, kButtonH,
                         [this] { Command4_Click(); });
    Frame8->hide();
    Frame8->raise();
}

void Form3::Form_Load() {
    move(0, 0);
    select(Option1);
    select(Option4);
    Text13->hide();
    Text14->hide();
    loadSettings(session(), reactorSettings());
}

void Form3::Picture1_Click() { showMinimized(); }

}  // namespace ampera
