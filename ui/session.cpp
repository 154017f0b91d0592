#include "ui/session.h"

#include "ui/form1.h"

namespace ampera {

Session::Session(Platform& platform, FileLocations locations) : platform_(platform), locations_(std::move(locations)) {}

Session::Session(Platform& platform, const QString& programDirectory)
    : Session(platform, portableLocations(text(programDirectory))) {}

namespace {

// Secondary windows before the main window, which they reach into; every
// window is cut off from its handlers before the first one goes.
QList<QPointer<FormBase>> inDiscardOrder(const QMap<QString, QPointer<FormBase>>& forms) {
    QList<QPointer<FormBase>> order;
    QPointer<FormBase> main;
    for (auto it = forms.begin(); it != forms.end(); ++it) {
        if (!*it) continue;
        if (it.key() == Form1::kName) main = *it;
        else order.append(*it);
    }
    if (main) order.append(main);
    for (auto& f : order) f->retire();
    return order;
}

}  // namespace

Session::~Session() {
    const QList<QPointer<FormBase>> order = inDiscardOrder(forms_);
    forms_.clear();
    for (auto& f : order) delete f.data();
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
        f->retire();
        f->hide();
        f->deleteLater();
    }
}

void Session::end() {
    if (ended_) return;
    ended_ = true;
    const QList<QPointer<FormBase>> order = inDiscardOrder(forms_);
    forms_.clear();
    for (auto& f : order)
        if (f) f->hide();
    for (auto& f : order)
        if (f) f->deleteLater();
    if (onEnded) onEnded();
}

}  // namespace ampera
