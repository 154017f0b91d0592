#pragma once

#include <QString>
#include <functional>

#include "model/calculation.h"
#include "network/editor.h"

namespace ampera {

// The calculation file the program works on: its path (none for a new
// calculation) and whether the calculation changed since the file was
// opened or saved. Every change of a text of the calculation counts, the
// calculation's own writes after an edit included; the network is changed
// while its history is away from the step saved.
class CalculationDocument {
public:
    CalculationDocument(model::Calculation& calculation, network::Editor& network);
    ~CalculationDocument();
    CalculationDocument(const CalculationDocument&) = delete;
    CalculationDocument& operator=(const CalculationDocument&) = delete;

    const QString& path() const { return path_; }
    bool hasFile() const { return !path_.isEmpty(); }
    // The file's name without its folder.
    QString name() const;
    bool modified() const { return modified_ || network_.modified(); }

    // The calculation now equals the file at path: opened or saved there.
    void saved(const QString& path);
    // A calculation without a file.
    void clear();

    // Told whenever the path or the modified state changes.
    std::function<void()> onChanged;

private:
    void set(const QString& path, bool modified);
    model::Calculation& calculation_;
    network::Editor& network_;
    int observer_ = 0, networkObserver_ = 0;
    QString path_;
    bool modified_ = false;
};

}  // namespace ampera
