#include "ui/control_factory.h"

#include <QSignalBlocker>

#include "ui/combo_pick.h"
#include "ui/field_edit.h"
#include "ui/frame_style.h"
#include "ui/twips.h"

namespace ampera {

namespace {

// Names a new control and places it.
template <class W>
W* made(W* w, const char* name, int l, int t, int width, int h) {
    w->setObjectName(name);
    place(w, l, t, width, h);
    return w;
}

}  // namespace

QLineEdit* ControlFactory::addText(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text) {
    auto* e = made(new FieldEdit(parent), name, l, t, w, h);
    e->setTextMargins(0, 0, 0, 0);
    e->setText(text);
    controlMade(e);
    return e;
}

QLabel* ControlFactory::addLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                 int h) {
    QLabel* label = made(new QLabel(caption, parent), name, l, t, w, h);
    controlMade(label);
    return label;
}

ClickLabel* ControlFactory::addClickLabel(QWidget* parent, const char* name, const QString& caption, int l, int t,
                                          int w, int h) {
    return made(new ClickLabel(caption, parent), name, l, t, w, h);
}

QLabel* ControlFactory::addGlyph(QWidget* parent, const char* name, const QString& glyph, int l, int t, int w, int h,
                                 int pixelSize) {
    QLabel* label = addLabel(parent, name, glyph, l, t, w, h);
    label->setAlignment(Qt::AlignCenter);
    setTone(label, Tone::Glyph);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

QGroupBox* ControlFactory::addFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                    int h) {
    return made(new QGroupBox(caption, parent), name, l, t, w, h);
}

QPushButton* ControlFactory::addButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                       int h, std::function<void()> onClick) {
    auto* b = made(new QPushButton(caption, parent), name, l, t, w, h);
    b->setAutoDefault(false);
    if (onClick) QObject::connect(b, &QPushButton::clicked, context_, [onClick] { onClick(); });
    return b;
}

QRadioButton* ControlFactory::addOption(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                        int h, std::function<void()> onClick) {
    auto* o = made(new QRadioButton(caption, parent), name, l, t, w, h);
    if (onClick) {
        addClickBehaviour(o, onClick);
        QObject::connect(o, &QRadioButton::clicked, context_, [onClick] { onClick(); });
    }
    controlMade(o);
    return o;
}

QCheckBox* ControlFactory::addCheck(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                    int h, bool ticked, std::function<void()> onClick) {
    auto* c = made(new QCheckBox(caption, parent), name, l, t, w, h);
    c->setChecked(ticked);
    controlMade(c);
    if (onClick) {
        addClickBehaviour(c, onClick);
        QObject::connect(c, &QCheckBox::clicked, context_, [onClick] { onClick(); });
    }
    return c;
}

void ControlFactory::makeConfirm(QCheckBox* box, QPushButton* button) {
    const auto follow = [box, button] { button->setText(box->isChecked() ? "ввести" : "назад"); };
    addClickBehaviour(box, follow);
    QObject::connect(box, &QCheckBox::clicked, context_, follow);
}

QComboBox* ControlFactory::addCombo(QWidget* parent, const char* name, int l, int t, int w, int h,
                                    std::function<void()> onPick) {
    auto* c = made(new QComboBox(parent), name, l, t, w, h);
    c->setEditable(true);
    c->setLineEdit(new FieldEdit(c));
    c->setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed "3,10" must stay "3,10".
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(16);
    if (onPick) new ComboPick(c, std::move(onPick));
    controlMade(c);
    return c;
}

QListWidget* ControlFactory::addList(QWidget* parent, const char* name, int l, int t, int w, int h,
                                     std::function<void()> onClick) {
    auto* list = made(new QListWidget(parent), name, l, t, w, h);
    if (onClick) {
        addClickBehaviour(list, onClick);
        QObject::connect(list, &QListWidget::currentRowChanged, context_, [onClick](int row) {
            if (row >= 0) onClick();
        });
    }
    return list;
}

void ControlFactory::onChange(QLineEdit* field, std::function<void()> reaction) {
    QObject::connect(field, &QLineEdit::textChanged, context_, [reaction](const QString&) { reaction(); });
}

void makeCovering(QGroupBox* frame) { frame->setAutoFillBackground(true); }

void fillCombo(QComboBox* combo, const QStringList& items, const QString& text) {
    QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

}  // namespace ampera
