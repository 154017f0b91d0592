#include "ui/session.h"

#include "ui/form1.h"

namespace ampera {

Session::Session(Platform& platform, FileLocations locations)
    : platform_(platform), locations_(std::move(locations)) {}

Session::Session(Platform& platform, const QString& programDirectory)
    : Session(platform, portableLocations(programDirectory.toStdString())) {}

Session::~Session() {
    for (auto& f : forms_)
        delete f.data();
}

void Session::start() { form<Form1>()->show(); }

Form1* Session::main() const { return existing<Form1>(); }

FormBase* Session::existing(const QString& name) const {
    auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : it->data();
}

void Session::discard(const QString& name) {
    auto it = forms_.find(name);
    if (it == forms_.end()) return;
    QPointer<FormBase> f = *it;
    forms_.erase(it);
    if (f) {
        f->hide();
        f->deleteLater();
    }
}

void Session::end() {
    if (ended_) return;
    ended_ = true;
    for (auto& f : forms_)
        if (f) f->hide();
    for (auto& f : forms_)
        if (f) f->deleteLater();
    forms_.clear();
    if (onEnded) onEnded();
}

}  // namespace ampera
