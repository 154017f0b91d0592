#pragma once

#include <string>
#include <vector>

#include "ui/form_base.h"
#include "ui/settings_access.h"

namespace ampera {

// The designer's checks of the fault loop the main window describes: the
// peak, two-phase and minimum single-phase currents, the breaking, making and
// tripping duty of the protective device and the cable's thermal withstand.
// A single modeless window; "закрыть" and a desktop close only hide it.
class Form8 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form8";
    explicit Form8(Session& session);
    void Form_Load() override;

    void Command1_Click();   // "Расчет"
    void Command2_Click();   // "сохранить": the inputs into section Chk
    void Command3_Click();   // "закрыть"
    void cmbDevice_Click();  // the release setting only for an instantaneous release
    void Picture1_Click();   // minimise

    QLabel* Label19 = nullptr;  // title
    ClickLabel* Picture1 = nullptr;

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr;  // inputs, results, verdicts

    QLabel *lblT = nullptr, *lblTheta = nullptr, *lblDevice = nullptr, *lblIn = nullptr, *lblIset = nullptr,
           *lblIcuInput = nullptr, *lblCable = nullptr, *lblS = nullptr;
    QLineEdit *txtT = nullptr, *txtTheta = nullptr, *txtIn = nullptr, *txtIset = nullptr, *txtIcu = nullptr,
              *txtS = nullptr;
    QComboBox *cmbDevice = nullptr, *cmbCable = nullptr;

    QLineEdit *txtIk3 = nullptr, *txtIk2 = nullptr, *txtIk1 = nullptr, *txtTa = nullptr, *txtKud = nullptr,
              *txtIud = nullptr, *txtKt = nullptr, *txtKc = nullptr, *txtIk1min = nullptr, *txtBk = nullptr,
              *txtSmin = nullptr;
    QLabel *lblSens = nullptr, *lblIcu = nullptr, *lblIcm = nullptr, *lblThermal = nullptr;

    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    std::vector<Setting> settings() const;  // the inputs in the settings file
};

}  // namespace ampera
