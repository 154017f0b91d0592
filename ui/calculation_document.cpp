#include "ui/calculation_document.h"

#include <QFileInfo>

namespace ampera {

CalculationDocument::CalculationDocument(model::Calculation& calculation, network::Editor& network)
    : calculation_(calculation), network_(network) {
    observer_ = calculation_.observe([this](const std::string*) { set(path_, true); });
    // Every edit, undo and redo of the network ends in its results.
    networkObserver_ = network_.observe({.before = {}, .after = [this](const network::Change& change) {
                                             if (change.kind == network::Change::Kind::Results && onChanged)
                                                 onChanged();
                                         }});
}

CalculationDocument::~CalculationDocument() {
    calculation_.unobserve(observer_);
    network_.unobserve(networkObserver_);
}

QString CalculationDocument::name() const { return QFileInfo(path_).fileName(); }

void CalculationDocument::saved(const QString& path) {
    network_.markSaved();
    set(path, false);
    if (onChanged) onChanged();
}

void CalculationDocument::clear() { set({}, false); }

void CalculationDocument::set(const QString& path, bool modified) {
    if (path == path_ && modified == modified_) return;
    path_ = path;
    modified_ = modified;
    if (onChanged) onChanged();
}

}  // namespace ampera
