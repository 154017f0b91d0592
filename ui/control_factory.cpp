#include "ui/control_factory.h"

#include <QSignalBlocker>

#include "ui/combo_pick.h"
#include "ui/field_edit.h"
#include "ui/twips.h"

namespace ampera {

QLineEdit* ControlFactory::addText(QWidget* parent, const char* name, int l, int t, int w, int h,
                                   const QString& text) {
    auto* e = new FieldEdit(parent);
    e->setObjectName(name);
    e->setTextMargins(0, 0, 0, 0);
    place(e, l, t, w, h);
    e->setText(text);
    return e;
}

QLabel* ControlFactory::addLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                 int h) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    place(label, l, t, w, h);
    return label;
}

ClickLabel* ControlFactory::addClickLabel(QWidget* parent, const char* name, const QString& caption, int l, int t,
                                          int w, int h) {
    auto* label = new ClickLabel(caption, parent);
    label->setObjectName(name);
    place(label, l, t, w, h);
    return label;
}

QGroupBox* ControlFactory::addFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                    int h) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    place(f, l, t, w, h);
    return f;
}

QPushButton* ControlFactory::addButton(QWidget* parent, const char* name, const QString& caption, int l, int t,
                                       int w, int h, std::function<void()> onClick) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    place(b, l, t, w, h);
    if (onClick) QObject::connect(b, &QPushButton::clicked, context_, [onClick] { onClick(); });
    return b;
}

QRadioButton* ControlFactory::addOption(QWidget* parent, const char* name, const QString& caption, int l, int t,
                                        int w, int h, std::function<void()> onClick) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    place(o, l, t, w, h);
    if (onClick) {
        addClickBehaviour(o, onClick);
        QObject::connect(o, &QRadioButton::clicked, context_, [onClick] { onClick(); });
    }
    return o;
}

QCheckBox* ControlFactory::addCheck(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                    int h, bool ticked, std::function<void()> onClick) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setChecked(ticked);
    place(c, l, t, w, h);
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
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setLineEdit(new FieldEdit(c));
    c->setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed "3,10" must stay "3,10".
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(16);
    place(c, l, t, w, h);
    if (onPick) new ComboPick(c, std::move(onPick));
    return c;
}

QListWidget* ControlFactory::addList(QWidget* parent, const char* name, int l, int t, int w, int h,
                                     std::function<void()> onClick) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    place(list, l, t, w, h);
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
