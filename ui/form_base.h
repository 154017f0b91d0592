#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "ui/click_label.h"

namespace ampera {

class Session;

// The window frame every window of the program shares: no platform title
// bar (the caption stays for the task bar), an own title strip whose image
// and title label drag the window, the two-line blue border and the
// background colour. It also holds the helpers that place controls in twips
// and run click behaviours when the program sets an option, a check box or a
// list index, as a user's click would.
class FormBase : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kBackground{236, 233, 216};
    static constexpr int kTitleHeight = 330;  // twips

    FormBase(Session& session, const QString& name, const QString& caption, int widthTwips, int heightTwips);
    // Tearing a shown window down moves the focus, and a combo box may then report a pick:
    // no handler of the half-destroyed window may run, so its controls fall silent first.
    ~FormBase() override;

    // Called once, right after construction, by the session.
    virtual void Form_Load() = 0;

    // Shows the window modeless and in front; a minimised one comes back as it was left.
    void showModeless();

    Session& session() const { return session_; }

    // Twips and pixels, by the screen's twips per pixel.
    static double twipsPerPixel();
    static int px(int twips);
    static int twips(int pixels);
    static void place(QWidget* w, int left, int top, int width, int height);
    static void placeAt(QWidget* w, int left, int top);

    // Program-side value changes that run the control's click behaviour.
    void select(QRadioButton* option);
    void setValue(QCheckBox* box, bool ticked);
    void setListIndex(QListWidget* list, int index);
    // Replaces a combo box's items and sets its text; no pick happens.
    static void fillCombo(QComboBox* combo, const QStringList& items, const QString& text);

protected:
    // Frame step 1: the platform title bar goes, the caption stays.
    void removeTitleBar();
    // The title strip: Image1 over the full width, the title label on it,
    // and the picture buttons (close, if any, then minimise) at the right.
    void buildTitleStrip(const char* titleLabelName, const QString& title, ClickLabel* closePicture,
                         ClickLabel* minimisePicture);
    ClickLabel* makePicture(const char* name, const QString& glyph);
    void addDragHandle(QWidget* w);
    // Frame step 4: command buttons, frames, options and check boxes get the background colour.
    static void colour(std::initializer_list<QWidget*> widgets);
    // A frame that lies over others (an entry panel) paints its own background,
    // caption strip included, so nothing underneath shows through.
    static void makeCovering(QGroupBox* frame);

    QLineEdit* addText(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text = {});
    QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h);
    ClickLabel* addClickLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h);
    QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                           std::function<void()> onClick);
    QRadioButton* addOption(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                            std::function<void()> onClick);
    QCheckBox* addCheck(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                        bool ticked, std::function<void()> onClick);
    // onPick runs on a choice from the list only, never on typing.
    QComboBox* addCombo(QWidget* parent, const char* name, int l, int t, int w, int h, std::function<void()> onPick);
    // onClick runs whenever the selected index changes, by the user or the program.
    QListWidget* addList(QWidget* parent, const char* name, int l, int t, int w, int h, std::function<void()> onClick);
    // Runs whenever the text changes, typed or written by the program.
    static void onChange(QLineEdit* field, std::function<void()> reaction);

    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    ClickLabel* Image1 = nullptr;

private:
    Session& session_;
    QLabel* titleLabel_ = nullptr;
    ClickLabel* closePicture_ = nullptr;
    ClickLabel* minimisePicture_ = nullptr;
    QHash<QObject*, std::function<void()>> clickBehaviour_;
};

}  // namespace ampera
