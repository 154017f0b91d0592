#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/calculation.h"
#include "model/main_value_fields.h"
#include "model/reactor_lines.h"
#include "model/summary_fields.h"

using namespace ampera::model;

namespace {

// The text a part shows under a control's name; nullptr when it has none.
const std::string* fieldOf(Calculation& c, Part part, std::string_view name) {
    for (const Field& f : c.fields(part))
        if (name == f.name) return f.text;
    return nullptr;
}

}  // namespace

// The summary's labels, the reactor's lines and the main window's values: each
// control a table names shows, in its part, the text its row names, and the
// summary shows nothing that its tables do not name.
TEST(FieldTables, EachNameShowsTheTextOfItsRow) {
    Calculation c;
    std::size_t summaryLabels = 0;
    for (std::size_t n = 0; n < 3; ++n) {
        for (const LineSummaryLabel& l : kLineSummaryLabels) {
            EXPECT_EQ(fieldOf(c, Part::Summary, l.names[n]), &(c.summary.lines[n].*l.text)) << l.names[n];
            ++summaryLabels;
        }
        for (const ElementSummaryLabels& l : kElementSummaryLabels) {
            EXPECT_EQ(fieldOf(c, Part::Summary, l.headingNames[n]), &(c.summary.elements[n].*l.heading));
            EXPECT_EQ(fieldOf(c, Part::Summary, l.descriptionNames[n]), &(c.summary.elements[n].*l.description));
            summaryLabels += 2;
        }
        for (const auto& v : kLineValueFields)
            EXPECT_EQ(fieldOf(c, Part::Main, v.names[n]), &(c.main.lines[n].*v.text));
        for (const auto& v : kElementValueFields)
            EXPECT_EQ(fieldOf(c, Part::Main, v.names[n]), &(c.main.elements[n].*v.text));
    }
    for (const auto& v : kReactorValueFields) EXPECT_EQ(fieldOf(c, Part::Main, v.names[0]), &(c.main.reactor.*v.text));
    for (std::size_t k = 0; k < std::size(kReactorLines); ++k) {
        const ReactorLine& l = kReactorLines[k];
        EXPECT_EQ(fieldOf(c, Part::Reactor, l.fieldName), &(c.reactor.*l.text)) << l.fieldName;
        EXPECT_EQ(fieldOf(c, Part::Summary, l.summaryName), &c.summary.reactor[k]) << l.summaryName;
        EXPECT_EQ(c.summary.reactor[k], l.summaryStart);
        ++summaryLabels;
    }
    for (const SummaryLabel& l : {kCurrentLabel, kArcLabels[0], kArcLabels[1], kMotorLabels[0], kMotorLabels[1]}) {
        EXPECT_EQ(fieldOf(c, Part::Summary, l.name), &(c.summary.*l.text)) << l.name;
        ++summaryLabels;
    }
    EXPECT_EQ(c.fields(Part::Summary).size(), summaryLabels);
}
