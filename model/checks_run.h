#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/fault_checks.h"
#include "model/calculation.h"

namespace ampera::model {

// The checks' results in the order of the window's rows.
std::array<std::string*, 11> checkResults(ChecksTexts& c);

// What the checks read: the main window's loop and the checks window's inputs.
CheckTexts checkTexts(const Calculation& c);

// Runs the checks on the texts as they stand and writes every result, verdict
// and the points they belong to; on a failure they are all empty. The table of
// points needs only the main window's loop and θк: it is filled whatever the
// device's and cable's inputs (tоткл included) hold, and empty when the loop or
// θк fails. The label of the protected section is written anew.
CheckResult runChecks(Calculation& c);

// The points of the protected section as chosen, into its label.
void describeSection(Calculation& c);

// The table of points for a spreadsheet: a header row, then one row per point
// with its caption first; cells split by tabs, every line ending in CR LF.
std::string pointsClipboardText(const ChecksTexts& c);

// The report's block: the checks are run afresh; no lines when they give no result.
std::vector<std::string> checksReportLines(Calculation& c);

}  // namespace ampera::model
