#pragma once

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

    // The frames of the reactor, the arc and the motor, and of the buttons. The labels that show the
    // summary are made from its tables (model/summary_fields.h) and known by their names alone.
    QGroupBox *Frame9 = nullptr, *Frame3 = nullptr, *Frame2 = nullptr, *Frame1 = nullptr;

    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;  // as "закрыть"
};

}  // namespace ampera
