#pragma once

#include "model/calculation.h"
#include "storage/report_writer.h"

namespace ampera::model {

// What "Отчет" writes, from the calculation alone. With withChecks (the
// checks window is open), the checks are run afresh for their block.
ReportData reportData(Calculation& c, bool withChecks);

}  // namespace ampera::model
