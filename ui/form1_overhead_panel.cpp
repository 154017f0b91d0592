// The overhead-line panel of the main window and the entry of a line into slot 1.
#include "ui/form1.h"
#include "ui/session.h"

namespace ampera {

void Form1::buildOverheadPanel() {
    Frame11 = addFrame(Frame1, "Frame11", "Активные и индуктивные сопротивления ВЛ", 0, 0, 10215, 5415);
    Frame12 = addFrame(Frame11, "Frame12", "материал провода и длина линии", 240, 300, 4500, 2600);
    Option14 = addOption(Frame12, "Option14", "медь", 240, 300, 2000, 285, [this] { Option14_Click(); });
    Option15 = addOption(Frame12, "Option15", "алюминий", 240, 660, 2000, 285, [this] { Option15_Click(); });
    Option16 = addOption(Frame12, "Option16", "сталеалюминий", 240, 1020, 2000, 285, [this] { Option16_Click(); });
    txtL = addText(Frame12, "txtL", 240, 1500, 900, 285, "0");
    Command8 = addButton(Frame12, "Command8", "ОК", 240, 2000, 900, 375, [this] { Command8_Click(); });
    Frame15 = addFrame(Frame11, "Frame15", "линия", 240, 300, 4500, 2600);
    Combo1 = addCombo(Frame15, "Combo1", 240, 600, 1200, 285, [this] { Combo1_Click(); });
    Combo2 = addCombo(Frame15, "Combo2", 240, 1200, 1200, 285, [this] { Combo2_Click(); });
    Command9 = addButton(Frame15, "Command9", "назад", 240, 2000, 900, 375, [this] { Command9_Click(); });
    Frame13 = addFrame(Frame11, "Frame13", "сопротивление прямой последовательности", 5000, 300, 4900, 1200);
    txtRv1 = addText(Frame13, "txtRv1", 240, 400, 900, 285, "0");
    txtXv1 = addText(Frame13, "txtXv1", 2400, 400, 900, 285, "0");
    txtXv11 = addText(Frame13, "txtXv11", 2400, 400, 900, 285, "0");
    Frame14 = addFrame(Frame11, "Frame14", "сопротивление обратной последовательности", 5000, 1700, 4900, 1200);
    txtRv0 = addText(Frame14, "txtRv0", 240, 400, 900, 285, "0");
    txtXv0 = addText(Frame14, "txtXv0", 2400, 400, 900, 285, "0");
    Text2 = addText(Frame11, "Text2", 240, 3200, 900, 285, "0,0178");
    Check2 = addCheck(Frame11, "Check2", "", 5000, 3300, 255, 255, true, [this] { Check2_Click(); });
    Command10 = addButton(Frame11, "Command10", "ввести", 5400, 3200, 1200, 375, [this] { Command10_Click(); });
}

void Form1::Option14_Click() {}
void Form1::Option15_Click() {}
void Form1::Option16_Click() {}
void Form1::Combo1_Click() {}
void Form1::Combo2_Click() {}
void Form1::txtL_Change() {}
void Form1::txtRv1_Change() {}
void Form1::txtXv1_Change() {}
void Form1::txtXv11_Change() {}
void Form1::txtXv0_Change() {}
void Form1::Command8_Click() {}
void Form1::Command9_Click() {}
void Form1::Check2_Click() {}
void Form1::Command10_Click() {}

}  // namespace ampera
