// The cable panel of the main window and the entry of a cable section into a line slot.
#include "ui/form1.h"
#include "ui/session.h"

namespace ampera {

void Form1::buildCablePanel() {
    Frame2 = addFrame(Frame1, "Frame2", "Активные и индуктивные сопротивления кабелей", 0, 0, 10215, 5415);
    QRadioButton** options[] = {&Option1, &Option2, &Option3, &Option4, &Option5,
                                &Option6, &Option7, &Option8, &Option9};
    for (int i = 0; i < 9; ++i) {
        QByteArray name = "Option" + QByteArray::number(i + 1);
        *options[i] = addOption(Frame2, name.constData(), "", 2400, 300 + i * 330, 7000, 285,
                                [this, i] { OptionCable_Click(i + 1); });
    }
    List1 = addList(Frame2, "List1", 240, 300, 1935, 3000, [this] { List1_Click(); });
    xtxR1 = addText(Frame2, "xtxR1", 240, 3500, 900, 285, "9,61");
    txtX1 = addText(Frame2, "txtX1", 1240, 3500, 900, 285, "0,092");
    txtR0 = addText(Frame2, "txtR0", 2240, 3500, 900, 285, "10,95");
    txtX0 = addText(Frame2, "txtX0", 3240, 3500, 900, 285, "0,579");
    Check3 = addCheck(Frame2, "Check3", "", 240, 4800, 255, 255, true, [this] { Check3_Click(); });
    Command5 = addButton(Frame2, "Command5", "ввести", 600, 4700, 1200, 375, [this] { Command5_Click(); });
    Label23 = addLabel(Frame2, "Label23", "", 4400, 4400, 1500, 255);
    Label41 = addLabel(Frame2, "Label41", "", 2000, 4760, 1500, 255);
    txtL1 = addText(Frame2, "txtL1", 6000, 4400, 900, 285, "0");
    txtL2 = addText(Frame2, "txtL2", 6000, 4400, 900, 285, "0");
    txtL3 = addText(Frame2, "txtL3", 6000, 4400, 900, 285, "0");
}

QRadioButton* Form1::cableOption(int type) const {
    QRadioButton* const options[] = {Option1, Option2, Option3, Option4, Option5,
                                     Option6, Option7, Option8, Option9};
    return options[type - 1];
}

void Form1::fillCableList(int) {}
void Form1::OptionCable_Click(int) {}
void Form1::List1_Click() {}
void Form1::Command2_Click() {}
void Form1::Command3_Click() {}
void Form1::Command4_Click() {}
void Form1::Check3_Click() {}
void Form1::Command5_Click() {}
void Form1::chooseCableSlot(int) {}
void Form1::setSlotLabels(int) {}

}  // namespace ampera
