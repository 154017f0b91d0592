#include "ui/model_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/qt_text.h"

namespace ampera {

std::optional<model::Part> partOfWindow(const QString& windowName) {
    for (model::Part p : model::kParts)
        if (windowName == model::partName(p)) return p;
    return std::nullopt;
}

ModelBinding::ModelBinding(model::Calculation& calculation, model::Part part, QObject* window,
                           std::function<void(QWidget*)> drawn)
    : calculation_(calculation), window_(window), drawn_(std::move(drawn)) {
    for (const model::Field& f : calculation.fields(part)) byName_.emplace(f.name, f.text);
    observer_ = calculation.observe([this](const std::string* changed) {
        auto it = controls_.find(changed);
        if (it != controls_.end() && it->second) draw(it->second, *changed);
    });
}

ModelBinding::~ModelBinding() { release(); }

void ModelBinding::release() {
    if (observer_) calculation_.unobserve(*observer_);
    observer_.reset();
    controls_.clear();
}

void ModelBinding::bind(QWidget* control) {
    auto it = byName_.find(text(control->objectName()));
    if (it == byName_.end()) return;
    std::string* field = it->second;
    controls_[field] = control;
    draw(control, *field);
    model::Calculation& c = calculation_;
    if (auto* e = qobject_cast<QLineEdit*>(control)) {
        QObject::connect(e, &QLineEdit::textChanged, window_,
                         [&c, field](const QString& t) { c.set(*field, text(t)); });
    } else if (auto* b = qobject_cast<QAbstractButton*>(control)) {
        QObject::connect(b, &QAbstractButton::toggled, window_,
                         [&c, field](bool on) { c.set(*field, on ? "1" : "0"); });
    } else if (auto* l = qobject_cast<QComboBox*>(control)) {
        QObject::connect(l, &QComboBox::currentIndexChanged, window_, [&c, field](int index) {
            if (index >= 0) c.set(*field, std::to_string(index + 1));
        });
    }
}

void ModelBinding::draw(QWidget* control, const std::string& value) {
    const QString t = q(value);
    if (auto* e = qobject_cast<QLineEdit*>(control)) {
        if (e->text() != t) e->setText(t);
    } else if (auto* l = qobject_cast<QLabel*>(control)) {
        if (l->text() != t) l->setText(t);
    } else if (auto* b = qobject_cast<QAbstractButton*>(control)) {
        if (b->isChecked() != (value == "1")) b->setChecked(value == "1");
    } else if (auto* c = qobject_cast<QComboBox*>(control)) {
        const std::optional<double> item = number(t);
        if (item && *item >= 1 && *item <= c->count() && c->currentIndex() != int(*item) - 1)
            c->setCurrentIndex(int(*item) - 1);
    }
    if (drawn_) drawn_(control);
}

}  // namespace ampera
