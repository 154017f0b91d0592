#include "ui/form_base.h"

#include "ui/session.h"

namespace ampera {

FormBase::FormBase(Session& session, const QString& name, const QString& caption, int widthTwips, int heightTwips)
    : WindowFrame(session.platform(), name, caption, widthTwips, heightTwips), ControlFactory(this), session_(session) {
    if (const std::optional<model::Part> part = partOfWindow(name))
        binding_.emplace(session.model(), *part, this, [this](QWidget* c) { controlDrawn(c); });
}

model::Calculation& FormBase::model() const { return session_.model(); }

void FormBase::controlMade(QWidget* control) {
    if (binding_) binding_->bind(control);
}

FormBase::~FormBase() { retire(); }

void FormBase::retire() {
    if (retired_) return;
    retired_ = true;
    if (binding_) binding_->release();
    // Every handler is connected with the window as its context.
    QObject::disconnect(this, nullptr, this, nullptr);
    for (QObject* o : findChildren<QObject*>()) QObject::disconnect(o, nullptr, this, nullptr);
    clearClickBehaviours();
}

}  // namespace ampera
