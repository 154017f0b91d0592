#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <functional>

#include "ui/click_behaviour.h"
#include "ui/click_label.h"

namespace ampera {

// Makes a window's controls, placed in twips with the object names of the
// window's description, and wires their handlers with the window as context.
class ControlFactory : public ClickBehaviour {
public:
    explicit ControlFactory(QObject* context) : context_(context) {}

    QLineEdit* addText(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text = {});
    QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h);
    ClickLabel* addClickLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h);
    // A picture made of one large character, centred.
    QLabel* addGlyph(QWidget* parent, const char* name, const QString& glyph, int l, int t, int w, int h,
                     int pixelSize);
    QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                           std::function<void()> onClick);
    QRadioButton* addOption(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                            std::function<void()> onClick);
    QCheckBox* addCheck(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                        bool ticked, std::function<void()> onClick);
    // onPick runs on a choice from the drop-down list only, never on typing
    // (Enter, Tab or leaving the box with a text equal to an item included).
    QComboBox* addCombo(QWidget* parent, const char* name, int l, int t, int w, int h, std::function<void()> onPick);
    // onClick runs whenever the selected index changes, by the user or the program.
    QListWidget* addList(QWidget* parent, const char* name, int l, int t, int w, int h, std::function<void()> onClick);
    // Runs whenever the text changes, typed or written by the program.
    void onChange(QLineEdit* field, std::function<void()> reaction);
    // The confirm convention: a caption-less check box beside a button that,
    // ticked, enters ("ввести") and, cleared, only goes back ("назад").
    void makeConfirm(QCheckBox* box, QPushButton* button);

protected:
    // Called with every text box, label, option button, check box and combo box just made.
    virtual void controlMade(QWidget*) {}

private:
    QObject* context_;
};

// A frame that lies over others (an entry panel) paints its own background,
// caption strip included, so nothing underneath shows through.
void makeCovering(QGroupBox* frame);
// Replaces a combo box's items and sets its text; no pick happens.
void fillCombo(QComboBox* combo, const QStringList& items, const QString& text);

}  // namespace ampera
