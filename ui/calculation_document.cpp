#include "ui/calculation_document.h"

#include <QFileInfo>

namespace ampera {

CalculationDocument::CalculationDocument(model::Calculation& calculation) : calculation_(calculation) {
    observer_ = calculation_.observe([this](const std::string*) { set(path_, true); });
}

CalculationDocument::~CalculationDocument() { calculation_.unobserve(observer_); }

QString CalculationDocument::name() const { return QFileInfo(path_).fileName(); }

void CalculationDocument::saved(const QString& path) { set(path, false); }

void CalculationDocument::clear() { set({}, false); }

void CalculationDocument::set(const QString& path, bool modified) {
    if (path == path_ && modified == modified_) return;
    path_ = path;
    modified_ = modified;
    if (onChanged) onChanged();
}

}  // namespace ampera
