#pragma once

#include <QComboBox>
#include <QLabel>

#include "model/calculation.h"

#include "ui/form_base.h"
#include "ui/settings_access.h"

namespace ampera {

// The element dialog: contact joints, busbar joints, apparatus contacts,
// current-transformer windings and breaker coils of one element group, and
// over them the reactor frame Frame8 with the reactor's nameplate data.
class Form3 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form3";
    explicit Form3(Session& session);
    void Form_Load() override;

    // element lookups on a choice from the list
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Click();
    // kind of apparatus, accuracy class
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command1_Click();  // "ввести"/"назад": element totals and entry
    void Command2_Click();  // "ввести"/"назад": reactor entry
    void Command3_Click();  // "=": reactor impedance
    void Command4_Click();  // "сохранить": reactor data to the settings file
    void Picture1_Click();

    // Shown modeless on the element frames (a hidden dialog comes back with its entries), or with the reactor frame
    // over them.
    void showElements();
    void showReactor();

    QLabel* Label19 = nullptr;
    ClickLabel* Picture1 = nullptr;

    // contacts and joints
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;  // cable joints
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    QGroupBox* Frame3 = nullptr;  // busbar joints
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLineEdit *Text3 = nullptr, *Text4 = nullptr;
    QGroupBox* Frame4 = nullptr;  // apparatus contacts
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr;
    QLabel *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLineEdit *Text5 = nullptr, *Text6 = nullptr;
    // current-transformer windings
    QGroupBox* Frame5 = nullptr;
    QRadioButton *Option4 = nullptr, *Option5 = nullptr;
    QLabel *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    QComboBox* Combo5 = nullptr;
    QLineEdit *Text10 = nullptr, *Text11 = nullptr, *Text12 = nullptr;
    // breaker coils
    QGroupBox* Frame6 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr;
    QComboBox* Combo4 = nullptr;
    QLineEdit *Text7 = nullptr, *Text8 = nullptr, *Text9 = nullptr;
    // confirm
    QGroupBox* Frame7 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit *Text13 = nullptr, *Text14 = nullptr;  // ΣR, ΣX (hidden)

    // reactor
    QGroupBox* Frame8 = nullptr;
    QGroupBox* Frame9 = nullptr;   // nameplate data
    QGroupBox* Frame10 = nullptr;  // results
    QPushButton *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr;

private:
    void buildElementFrames();
    void buildReactorFrame();
    void apparatusLookup();
    void currentTransformerLookup();
    // What the element entry writes into the data summary.
    model::ElementSummary describeElements() const;
    std::vector<Setting> reactorSettings() const;  // the reactor data in the settings file
    // The reactor frame's field that shows a text of the reactor data (model/reactor_lines.h).
    QLineEdit* reactorField(std::string model::ReactorTexts::*text) const;
};

}  // namespace ampera
