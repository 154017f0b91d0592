#pragma once

#include <array>

#include "ui/form_base.h"

namespace ampera {

// "Данные": the read-only notebook of what was entered in the secondary
// windows. Its labels show the summary part of the calculation
// (model::SummaryTexts), which the entries write and the report prints.
class Form5 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form5";
    explicit Form5(Session& session);
    void Form_Load() override;

    void Command1_Click();  // "закрыть"
    void Command2_Click();  // "за"
    void Command3_Click();  // "перед"
    void Command4_Click();  // "очистить"
    void Picture1_Click();
    void Form_Activate();

    QLabel* Label19 = nullptr;
    ClickLabel* Picture1 = nullptr;

    // line slot 1, 2, 3: heading, type, length, r1, x1, r0, x0
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr;
    QLabel *Label14 = nullptr, *Label22 = nullptr, *Label33 = nullptr, *Label44 = nullptr, *Label55 = nullptr,
           *Label66 = nullptr, *Label77 = nullptr;
    QLabel *Label15 = nullptr, *Label222 = nullptr, *Label333 = nullptr, *Label444 = nullptr, *Label555 = nullptr,
           *Label666 = nullptr, *Label777 = nullptr;

    // element groups: headings and values
    QLabel *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label20 = nullptr;
    QLabel *Label31 = nullptr, *Label30 = nullptr, *Label29 = nullptr, *Label28 = nullptr, *Label27 = nullptr,
           *Label26 = nullptr, *Label25 = nullptr, *Label24 = nullptr, *Label23 = nullptr, *Label21 = nullptr;
    QLabel *Label42 = nullptr, *Label41 = nullptr, *Label40 = nullptr, *Label39 = nullptr, *Label38 = nullptr,
           *Label37 = nullptr, *Label36 = nullptr, *Label35 = nullptr, *Label34 = nullptr, *Label32 = nullptr;

    QLabel* Label53 = nullptr;  // the current

    // reactor, arc, motor
    QGroupBox *Frame9 = nullptr, *Frame3 = nullptr, *Frame2 = nullptr, *Frame1 = nullptr;
    QLabel *Label52 = nullptr, *Label51 = nullptr;
    QLabel *Label50 = nullptr, *Label49 = nullptr;

    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;  // as "закрыть"
};

}  // namespace ampera
