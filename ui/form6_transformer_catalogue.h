#pragma once

#include "ui/form_base.h"

namespace ampera {

// The transformer catalogue: choosing a type fills the rated data, choosing a
// short-circuit loss entry applies that entry's variant (Uк, scheme, Uнн), and
// "ввести" copies the five values into the main window's transformer fields.
// The window discards itself on "ввести" or "назад".
class Form6 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form6";
    explicit Form6(Session& session);
    void Form_Load() override;

    void List1_Click();     // type selection
    void cmPk_Click();      // a loss entry chosen from the list
    void Command1_Click();  // transfer and close
    void Picture1_Click();  // minimise

    QLabel* Label19 = nullptr;
    ClickLabel* Picture1 = nullptr;

    QGroupBox* Frame1 = nullptr;
    QListWidget* List1 = nullptr;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr;
    QLineEdit* txtSt = nullptr;
    QComboBox* cmU = nullptr;
    QLineEdit* txtUf = nullptr;
    QComboBox* cmPk = nullptr;
    QLineEdit* txtUk = nullptr;
    QLineEdit* Text4 = nullptr;  // winding scheme, hidden

    QPushButton* Command1 = nullptr;
    QCheckBox* Check1 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;  // as "назад": nothing transferred
};

}  // namespace ampera
