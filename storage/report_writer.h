#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "storage/storage_error.h"

namespace ampera {

// What one report shows: every text exactly as the program's fields and
// labels hold it (UTF-8); the report formats no number itself. The flags are
// decided by the caller from the windows' state.
struct ReportData {
    // Transformer: Sт, Uвн, Uнн, Pк, Uк, Iкз of the supply as typed; deltaY
    // when the "Д/Y" winding scheme is chosen (otherwise "Y/Y").
    std::string st, u, uf, pk, uk, i;
    bool deltaY = false;

    // Line sections as the data summary describes them, six lines each: the
    // conductor, the length, r1, x1, r0, x0. Line 1 is printed when its length
    // line is not empty, lines 2 and 3 when their first line is not empty.
    std::array<std::string, 6> line1;
    std::array<std::string, 6> line2;
    std::array<std::string, 6> line3;

    // Element entries under each line column, in the report's order; an
    // entry is printed when its value is not empty.
    struct ElementLine {
        std::string heading, value;
    };
    std::array<std::array<ElementLine, 5>, 3> elements;

    // Reactor (printed when its resistance is not 0): the summary's lines of
    // Pр, Iр, L, M, f, Rр and Xр.
    bool reactor = false;
    std::array<std::string, 7> reactorLines;

    // Arc page values, caption and text of Кс and Zк (printed when Кс has been computed).
    bool arc = false;
    std::string kcCaption, kcValue, zkCaption, zkValue;

    // Motor page values (printed when its EMF is not 0): caption and field of
    // the rated current, starting multiple, R0, X0, Xэл and EMF.
    bool motor = false;
    std::array<std::pair<std::string, std::string>, 6> motorLines;

    bool threePhase = true;

    // The current as the calculation computed it, with its caption; printed
    // when not empty.
    std::string computedCurrentCaption, computedCurrent;

    // Motor page confirmed with its box ticked: caption and current.
    bool motorConfirmed = false;
    std::string motorCaption, motorCurrent;

    // Arc page confirmed with its box ticked: caption and current.
    bool arcConfirmed = false;
    std::string arcCaption, arcCurrent;

    // The current as shown, with the arc or the motor if taken in; printed when not empty.
    std::string shownCurrent;

    // The checks of the fault currents, one text per line; the block with its
    // heading is printed when there is any.
    std::vector<std::string> checks;
};

// The report as UTF-8 text, every line with its exact line end: text, CR,
// CR LF; the last line of the line-2 and line-3 blocks and the closing empty
// line end in CR LF CR LF.
std::string buildReport(const ReportData& data);

// Appends the report, in Windows-1251, to the file at path (created when
// missing). The code page has no Σ: "RΣ" is written "Rсум", "XΣ" "Xсум". What the file held before is never altered.
// Returns false and fills *error when the file cannot be opened or written.
bool appendReport(const std::string& path, const ReportData& data, std::optional<StorageError>* error = nullptr);

}  // namespace ampera
