#pragma once

#include <array>
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

    void Command1_Click();    // "Расчет"
    void Command2_Click();    // "сохранить": the inputs into section Chk
    void Command3_Click();    // "закрыть"
    void Command4_Click();    // "копировать": the table of points onto the clipboard
    void cmbDevice_Click();   // the release setting only for an instantaneous release
    void cmbSection_Click();  // the points of the section chosen, under the list
    void Picture1_Click();    // minimise

    QLabel* Label19 = nullptr;  // title
    ClickLabel* Picture1 = nullptr;

    // inputs, results, verdicts, the table of points
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;

    QLabel *lblT = nullptr, *lblTheta = nullptr, *lblDevice = nullptr, *lblIn = nullptr, *lblIset = nullptr,
           *lblIcuInput = nullptr, *lblCable = nullptr, *lblS = nullptr, *lblSectionInput = nullptr;
    QLineEdit *txtT = nullptr, *txtTheta = nullptr, *txtIn = nullptr, *txtIset = nullptr, *txtIcu = nullptr,
              *txtS = nullptr;
    QComboBox *cmbDevice = nullptr, *cmbCable = nullptr, *cmbSection = nullptr;
    QLabel* lblSection = nullptr;  // the points of the section chosen

    QLineEdit *txtIk3 = nullptr, *txtIk2 = nullptr, *txtIk1 = nullptr, *txtTa = nullptr, *txtKud = nullptr,
              *txtIud = nullptr, *txtKt = nullptr, *txtKc = nullptr, *txtIk1min = nullptr, *txtBk = nullptr,
              *txtSmin = nullptr;
    QLabel *lblAtDevice = nullptr, *lblAtEnd = nullptr;  // the points the results belong to
    QLabel *lblSens = nullptr, *lblIcu = nullptr, *lblIcm = nullptr, *lblThermal = nullptr;

    // The table of points: the row heads lblK1 … lblK4 and the fields txtK<n>R, txtK<n>X, txtK<n>Ik3,
    // txtK<n>Ik2, txtK<n>Iud, txtK<n>Ik1 and txtK<n>Ik1min of point n, at lblK[n - 1] and txtK[n - 1].
    std::array<QLabel*, 4> lblK{};
    std::array<std::array<QLineEdit*, 7>, 4> txtK{};

    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void controlDrawn(QWidget* control) override;  // a verdict's colour follows its text

private:
    std::vector<Setting> settings() const;  // the inputs in the settings file
};

}  // namespace ampera
