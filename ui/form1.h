#pragma once

#include <memory>

#include "model/calculation_file.h"
#include "ui/form_base.h"
#include "ui/settings_access.h"
#include "version.h"

class QAction;
class QMenu;

namespace ampera {

class CalculationDocument;
namespace model {
struct SheetContent;
}
class OneLineDiagram;
class RecentFiles;

// The main window: the inputs and results of the fault loop. Its fields show
// the main part of the calculation (model::MainTexts) and write the user's
// edits into it; the other windows change the calculation, never these fields.
class Form1 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form1";
    static constexpr const char* kCaption = "ampera ";                                   // the task bar's name
    static constexpr const char* kTitle = "ampera Короткое замыкание v" AMPERA_VERSION;  // the title strip
    explicit Form1(Session& session);
    ~Form1() override;
    void Form_Load() override;

    // ---- title strip and footer
    QLabel* Label7 = nullptr;       // "ampera Короткое замыкание v" and the version
    ClickLabel* Picture1[2] = {};   // 0 close, 1 minimise
    QLabel* Label60 = nullptr;      // notice
    ClickLabel* Label59 = nullptr;  // web address
    QLabel* Image2 = nullptr;

    // ---- input area
    QGroupBox* Frame1 = nullptr;  // "Задано"

    // transformer, Frame9 "Тр-р "
    QGroupBox* Frame9 = nullptr;                            // with the transformer's fields (model/main_value_fields.h)
    QRadioButton *Option18 = nullptr, *Option17 = nullptr;  // "Y/Y", "Д/Y"
    QPushButton* Command20 = nullptr;                       // "выбрать": transformer catalogue
    QPushButton* Command11 = nullptr;                       // "сохранить "
    QCheckBox* Check1 = nullptr;

    // kind of line 1, Frame3
    QGroupBox* Frame3 = nullptr;
    QRadioButton *Option10 = nullptr, *Option11 = nullptr;  // "кабель ", "воздушная линия"

    // line slots, Frame7
    QGroupBox* Frame7 = nullptr;
    QPushButton *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QLabel *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr;  // current slot number, hidden

    // element groups Frame5, reactor Frame8, motor Frame10, arc Frame16
    QGroupBox *Frame5 = nullptr, *Frame8 = nullptr, *Frame10 = nullptr, *Frame16 = nullptr;
    QPushButton *Command6 = nullptr, *Command16 = nullptr, *Command17 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command14 = nullptr;  // "АД"
    QPushButton* Command15 = nullptr;  // "дуга"

    // one-line diagram
    OneLineDiagram* Image3 = nullptr;

    // ---- loop summary, Frame6
    QGroupBox* Frame6 = nullptr;
    // The value fields of the line slots, the element groups and the reactor are made from their tables
    // (model/main_value_fields.h) and known by their names alone.
    QLineEdit *Text1 = nullptr, *Text3 = nullptr, *Text5 = nullptr;  // Xт, Rт, Xс
    QLineEdit *Text6 = nullptr, *Text7 = nullptr;                    // RΣ, XΣ
    QLineEdit *Text8 = nullptr, *Text9 = nullptr;                    // Y/Y additions

    // ---- results and commands, Frame4
    QGroupBox* Frame4 = nullptr;
    QRadioButton *Option12 = nullptr, *Option13 = nullptr;  // three-phase, single-phase
    QLineEdit* Text4 = nullptr;                             // the current, kA
    QLabel* Label44 = nullptr;                              // "ток к.з, кA"
    QLabel* Label62 = nullptr;                              // the current as calculated, hidden
    QPushButton *Command1 = nullptr, *Command19 = nullptr, *Command21 = nullptr, *Command22 = nullptr,
                *Command18 = nullptr, *Command12 = nullptr, *Command13 = nullptr;
    QPushButton* Command23 = nullptr;  // "Проверка": the designer's checks
    QPushButton* Command24 = nullptr;  // "Файл": the menu of the calculation files
    QPushButton* Command25 = nullptr;  // "Сеть": the network of boards and feeders

    // ---- cable panel, Frame2
    QGroupBox* Frame2 = nullptr;
    // the cable types 1 … 9
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr, *Option5 = nullptr,
                 *Option6 = nullptr, *Option7 = nullptr, *Option8 = nullptr, *Option9 = nullptr;
    QListWidget* List1 = nullptr;
    QLineEdit *xtxR1 = nullptr, *txtX1 = nullptr, *txtR0 = nullptr, *txtX0 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* Command5 = nullptr;  // "ввести" / "назад"
    QLabel *Label23 = nullptr, *Label41 = nullptr;
    QLineEdit *txtL1 = nullptr, *txtL2 = nullptr, *txtL3 = nullptr;

    // ---- overhead-line panel, Frame11
    QGroupBox *Frame11 = nullptr, *Frame12 = nullptr, *Frame13 = nullptr, *Frame14 = nullptr, *Frame15 = nullptr;
    QRadioButton *Option14 = nullptr, *Option15 = nullptr, *Option16 = nullptr;  // copper, aluminium, steel-aluminium
    QLineEdit* txtL = nullptr;
    QPushButton* Command8 = nullptr;  // "ОК"
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    QPushButton* Command9 = nullptr;  // "назад"
    QLineEdit *txtRv1 = nullptr, *txtXv1 = nullptr, *txtXv11 = nullptr, *txtRv0 = nullptr, *txtXv0 = nullptr;
    QLineEdit* Text2 = nullptr;  // resistivity, hidden
    QCheckBox* Check2 = nullptr;
    QPushButton* Command10 = nullptr;

    // ---- reactions and commands of the main window
    void Option17_Click();
    void Option18_Click();
    void txtSt_Change();
    void txtI_Change();
    void Text4_Change();
    void Option10_Click();
    void Option11_Click();
    void Command1_Click();   // "Расчет"
    void Command11_Click();  // "сохранить "
    void Command20_Click();  // transformer catalogue
    void Command19_Click();  // "Сброс"
    void Command21_Click();  // "Данные "
    void Command22_Click();  // "Отчет"
    void Command18_Click();  // "Помощь"
    void Command13_Click();  // "Выход"
    void Command12_Click();  // "Авторы"
    void Picture1_Click(int index);
    void Label59_Click();
    void Command6_Click();
    void Command16_Click();
    void Command17_Click();
    void Command7_Click();
    void Command14_Click();
    void Command15_Click();
    void Command23_Click();  // "Проверка": the designer's checks
    void Command24_Click();  // "Файл": opens the menu of the calculation files
    void Command25_Click();  // "Сеть": the network window

    // ---- calculation files, in form1_file.cpp; each asks before unsaved changes of a file are lost
    void newCalculation();     // "Новый расчет"
    void openCalculation();    // "Открыть…": the file dialog, then the file
    bool saveCalculation();    // "Сохранить": true when saved
    bool saveCalculationAs();  // "Сохранить как…"
    // Opens a file dropped onto the window or picked from the recent files.
    void openFile(const QString& path);
    // Opens the file named on the command line: no question; on a failure the start's calculation stays.
    void openAtStart(const QString& path);
    // The path of the calculation's file; empty for a calculation without one.
    QString calculationFile() const;

    // The calculation sheet, for the "Файл" menu's "Лист расчета в PDF…" and
    // "Печать…" (form1_sheet.cpp). calculationFile is the path of the
    // calculation's file, empty for a calculation without one.
    model::SheetContent sheetContent(const QString& calculationFile);   // as the calculation stands, printed now
    QString sheetPdfDefaultPath(const QString& calculationFile) const;  // where the save dialog starts
    // Once the save dialog has given path: writes the sheet and opens it, or shows why it could not be written.
    void saveSheetPdf(const QString& path, const QString& calculationFile);
    void printSheet(const QString& calculationFile);  // Qt's print preview of the sheet
    void mnuSheetPdf_Click();                         // "Лист расчета в PDF…"
    void mnuPrint_Click();                            // "Печать…"
    void mnuNetworkExcel_Click();                     // "Сеть в Excel…": the network window's export

    // cable panel and line slots
    void OptionCable_Click(int type);  // Option1_Click … Option9_Click
    void List1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // overhead-line panel
    void Option14_Click();
    void Option15_Click();
    void Option16_Click();
    void Combo1_Click();
    void Combo2_Click();
    void txtL_Change();
    void txtRv1_Change();
    void txtXv1_Change();
    void txtXv11_Change();
    void txtXv0_Change();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();

protected:
    void closeEvent(QCloseEvent* e) override;  // closing the main window ends the program

private:
    void buildTransformerFrame();
    void buildLineAndElementFrames();
    void buildSummaryFrame();
    void buildResultFrame();
    void buildCablePanel();                     // in form1_cable_panel.cpp
    void buildOverheadPanel();                  // in form1_overhead_panel.cpp
    QRadioButton* cableOption(int type) const;  // Option1 … Option9
    void fillCableList(int type);
    void chooseCableSlot(int slot);
    // Makes the data summary, hidden, if it does not exist: before the main window writes a text of it.
    void makeSummary();
    std::vector<Setting> settings() const;  // the transformer data in the settings file
    void stopArcTimer();
    void writeReactance(const QString& x);  // in form1_overhead_panel.cpp
    void resetCablePanel();                 // in form1_cable_panel.cpp

    // calculation files, in form1_file.cpp
    void buildFileMenu();
    void fillRecentMenu();
    void openRecent(const QString& path);
    // Whether the calculation may be left: no file, nothing unsaved, or the question answered.
    bool mayLeaveCalculation();
    // Every field of every window to its start text as at start, then "Сброс".
    void startAnew();
    // Reads the file and, when it is a calculation file, shows it; a message otherwise.
    bool load(const QString& path);
    void restore(const model::FileTexts& texts);
    bool saveTo(const QString& path);
    std::vector<model::Part> partsToSave() const;
    QString dialogFolder() const;
    void showTitle();
    QMenu* fileMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<CalculationDocument> document_;
    std::unique_ptr<RecentFiles> recent_;
};

}  // namespace ampera
