#pragma once

#include <QTimer>

#include "ui/form_base.h"
#include "ui/settings_access.h"

namespace ampera {

// The arc and induction-motor window: two pages in one place. The arc page
// reduces the fault current by the arc coefficient Кс (ГОСТ 28249-93), the
// motor page adds the feed of an induction motor near the fault. Either can
// put its current into the main window's Text4.
class Form4 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form4";
    explicit Form4(Session& session);
    void Form_Load() override;

    void Timer1_Timer();    // the arc computation, one period after the timer is started
    void Command4_Click();  // "ок": arc confirmation
    void Command3_Click();  // "расчет": motor computation
    void Command1_Click();  // "к.з с АД": motor confirmation
    void Command2_Click();  // "сохранить": motor data into the settings file
    void Picture1_Click();

    // Shown modeless on the arc page, whose computation runs one period later,
    // or on the motor page; the motor feed is then added to the current of the
    // last calculation.
    void showArcPage();
    void showMotorPage();
    void stopArcTimer();

    QLabel* Label19 = nullptr;  // title
    ClickLabel* Picture1 = nullptr;

    // arc page
    QGroupBox* Frame4 = nullptr;  // "Учет дуги"
    QLabel *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    QLineEdit *Text9 = nullptr, *Text10 = nullptr, *Text11 = nullptr;  // Кс, Zк, Iд
    QCheckBox* Check2 = nullptr;
    QPushButton* Command4 = nullptr;

    // motor page
    QGroupBox* Frame5 = nullptr;  // "Учет АД"
    QGroupBox* Frame1 = nullptr;  // "АД"
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;  // Iном, A; Kп
    QGroupBox* Frame2 = nullptr;                   // "сопротивления кабеля до АД"
    QLabel *Label4 = nullptr, *Label5 = nullptr;
    QLineEdit *Text3 = nullptr, *Text4 = nullptr;  // R0, X0, mΩ
    QCheckBox* Check1 = nullptr;
    QPushButton* Command2 = nullptr;
    QGroupBox* Frame3 = nullptr;  // "Расчет"
    QPushButton* Command3 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label3 = nullptr;
    QLineEdit *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr;  // Xэл, E, Iад
    QCheckBox* Check3 = nullptr;
    QPushButton* Command1 = nullptr;

    // kept out of the visible area
    QLineEdit* Text8 = nullptr;   // the main current the motor feed is added to
    QLineEdit* Text12 = nullptr;  // the current with the motor feed
    QLabel* Label13 = nullptr;    // arc page confirmed: "0" / "1"
    QLabel* Label14 = nullptr;    // motor page confirmed: "0" / "1"

    QTimer* Timer1 = nullptr;  // one-shot, 1000 ms

private:
    void showPage(bool arcPage);
    std::vector<Setting> settings() const;  // the motor data in the settings file
};

}  // namespace ampera
