#include "ui/session.h"

#include <unordered_set>

#include "model/calculation_steps.h"
#include "ui/form1.h"

namespace ampera {

Session::Session(Platform& platform, FileLocations locations) : platform_(platform), locations_(std::move(locations)) {
    // The network's root is fed as the main window's fields describe the supply.
    network_.setSupply(model::faultTexts(model_.main));
    std::unordered_set<const std::string*> mainTexts;
    for (const model::Field& f : model_.fields(model::Part::Main)) mainTexts.insert(f.text);
    // A text the fault calculation does not read (a result of "Расчет", say) computes nothing anew.
    model_.observe([this, mainTexts = std::move(mainTexts)](const std::string* changed) {
        if (!mainTexts.contains(changed)) return;
        const FaultTexts supply = model::faultTexts(model_.main);
        if (!(supply == network_.supply())) network_.setSupply(supply);
    });
}

Session::Session(Platform& platform, const QString& programDirectory)
    : Session(platform, portableLocations(text(programDirectory))) {}

namespace {

// The secondary windows first, then the main window that opens them.
QList<QPointer<FormBase>> inDiscardOrder(const QMap<QString, QPointer<FormBase>>& forms) {
    QList<QPointer<FormBase>> order;
    QPointer<FormBase> main;
    for (auto it = forms.begin(); it != forms.end(); ++it) {
        if (!*it) continue;
        if (it.key() == Form1::kName) main = *it;
        else order.append(*it);
    }
    if (main) order.append(main);
    return order;
}

// Every window is cut off from its handlers before the first one goes.
void retireAll(const QList<QPointer<FormBase>>& windows) {
    for (const auto& f : windows)
        if (f) f->retire();
}

}  // namespace

Session::~Session() {
    const QList<QPointer<FormBase>> order = inDiscardOrder(forms_);
    retireAll(order);
    forms_.clear();
    for (auto& f : order) delete f.data();
}

void Session::start(const QString& calculationFile) {
    Form1* f = form<Form1>();
    f->show();
    if (!calculationFile.isEmpty()) f->openAtStart(calculationFile);
}

Form1* Session::main() const { return existing<Form1>(); }

QString Session::calculationFile() const {
    const Form1* m = main();
    return m ? m->calculationFile() : QString();
}

void Session::showMain() {
    if (Form1* m = main()) m->showModeless();
}

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
    if (const std::optional<model::Part> part = partOfWindow(name)) model_.reset(*part);
}

void Session::end() {
    if (ended_) return;
    ended_ = true;
    const QList<QPointer<FormBase>> order = inDiscardOrder(forms_);
    retireAll(order);
    forms_.clear();
    for (auto& f : order)
        if (f) f->hide();
    for (auto& f : order)
        if (f) f->deleteLater();
    if (onEnded) onEnded();
}

}  // namespace ampera
