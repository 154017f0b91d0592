#pragma once

#include <QPlainTextEdit>

#include "ui/form_base.h"

namespace ampera {

// About: the program, its authors and their addresses, and a support note.
class Form2 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form2";
    explicit Form2(Session& session);
    void Form_Load() override;

    void Command1_Click();  // "OK"
    void Command2_Click();  // reveals the support note
    void Command3_Click();  // "x"
    void Label5_Click();
    void Label8_Click();
    void Label59_Click();

    QLabel* Label2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel *Label1 = nullptr, *Label3 = nullptr;
    ClickLabel *Label5 = nullptr, *Label8 = nullptr, *Label59 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Image2 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;  // as "OK"

private:
    void mail(const ClickLabel* address);
};

}  // namespace ampera
