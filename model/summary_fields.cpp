#include "model/summary_fields.h"

#include "model/reactor_lines.h"

namespace ampera::model {

std::vector<Field> summaryFields(SummaryTexts& s) {
    std::vector<Field> f;
    for (std::size_t n = 0; n < s.lines.size(); ++n)
        for (const LineSummaryLabel& l : kLineSummaryLabels) f.push_back({l.names[n], &(s.lines[n].*l.text)});
    for (std::size_t n = 0; n < s.elements.size(); ++n) {
        for (const ElementSummaryLabels& l : kElementSummaryLabels) {
            f.push_back({l.headingNames[n], &(s.elements[n].*l.heading)});
            f.push_back({l.descriptionNames[n], &(s.elements[n].*l.description)});
        }
    }
    f.push_back({kCurrentLabel.name, &(s.*kCurrentLabel.text)});
    for (std::size_t k = 0; k < s.reactor.size(); ++k) f.push_back({kReactorLines[k].summaryName, &s.reactor[k]});
    for (const SummaryLabel& l : kArcLabels) f.push_back({l.name, &(s.*l.text)});
    for (const SummaryLabel& l : kMotorLabels) f.push_back({l.name, &(s.*l.text)});
    return f;
}

}  // namespace ampera::model
