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

// Runs the checks on the texts as they stand and writes every result and
// verdict; on a failure they are all empty.
CheckResult runChecks(Calculation& c);

// The report's block: the checks are run afresh; no lines when they give no result.
std::vector<std::string> checksReportLines(Calculation& c);

}  // namespace ampera::model
