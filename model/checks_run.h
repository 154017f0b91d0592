#pragma once

#include <string>
#include <vector>

#include "core/fault_checks.h"
#include "model/calculation.h"

namespace ampera::model {

// What the checks read: the main window's loop and the checks window's inputs.
CheckTexts checkTexts(const Calculation& c);

// The checks of the calculation as it stands, computed and written nowhere:
// their inputs as read, the results with the typed verdicts (all empty on a
// failure, whose message the result names), and the table of points. The
// table needs only the main window's loop and θк: it is filled whatever the
// device's and cable's inputs (tоткл included) hold, and empty when the loop
// or θк fails.
struct ChecksSummary {
    CheckTexts read;
    CheckResult result;
    PointRows points;
};
ChecksSummary checksSummary(const Calculation& c);

// "Расчет" of the checks window: the summary's results, verdicts and points
// written into the calculation, and the label of the protected section anew.
CheckResult runChecks(Calculation& c);

// The points of the protected section as chosen, into its label.
void describeSection(Calculation& c);

// A verdict and its words into their label; the words may be a stored text
// that no verdict has.
void showVerdict(Calculation& c, const Verdict& verdict, const std::string& words);

// The inputs of the checks as the report and the sheet list them, caption
// and text, in the window's order; the protected section is left to them.
// The device's values (In, Iуст, Icu, S) are listed only when given.
struct InputLine {
    std::string caption, text;
    bool deviceValue = false;
};
std::vector<InputLine> checkInputLines(const Calculation& c);

// The table of points for a spreadsheet: a header row, then one row per point
// with its caption first; cells split by tabs, every line ending in CR LF.
std::string pointsClipboardText(const ChecksTexts& c);

// The report's block: the checks are run afresh; no lines when they give no result.
std::vector<std::string> checksReportLines(Calculation& c);

}  // namespace ampera::model
