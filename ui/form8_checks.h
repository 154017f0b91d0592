#pragma once

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
    void Command5_Click();    // "характеристики": the device's time-current chart in Form10
    void cmbDevice_Click();   // the release setting only for an instantaneous release
    void cmbSection_Click();  // the points of the section chosen, under the list
    void Picture1_Click();    // minimise

    QLabel* Label19 = nullptr;  // title
    ClickLabel* Picture1 = nullptr;

    // inputs, results, verdicts, the table of points; their controls are named by the checks' descriptions
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
    QComboBox *cmbDevice = nullptr, *cmbSection = nullptr;
    QLineEdit* txtIset = nullptr;
    QLabel* lblSection = nullptr;  // the points of the section chosen

    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void controlDrawn(QWidget* control) override;  // a verdict's colour follows its text

private:
    void buildInputs();
    void buildResults();  // the results, the points they belong to and the verdicts
    void buildPointsTable();
    std::vector<Setting> settings() const;  // the inputs in the settings file
};

}  // namespace ampera
