#include "model/reactor_lines.h"

namespace ampera::model {

std::array<std::string, 7> reactorSummaryStarts() {
    std::array<std::string, 7> starts;
    for (std::size_t k = 0; k < starts.size(); ++k) starts[k] = kReactorLines[k].summaryStart;
    return starts;
}

std::vector<Field> reactorFields(ReactorTexts& r) {
    std::vector<Field> f;
    for (const ReactorLine& line : kReactorLines) f.push_back({line.fieldName, &(r.*line.text)});
    return f;
}

}  // namespace ampera::model
