#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/calculation.h"

namespace ampera::model {

// The labels of the data summary ("Данные"), each with the text of
// SummaryTexts it shows: the summary's fields (Calculation::fields) and its
// window are made from these tables. The reactor's labels are its lines'
// (reactor_lines.h).

// A text of a line slot's description and its label in line slots 1 … 3.
struct LineSummaryLabel {
    std::string LineSummary::*text;
    std::array<const char*, 3> names;
};
// The heading, then the description proper: what was entered, the length and the four values.
inline constexpr LineSummaryLabel kLineSummaryLabels[] = {
    {&LineSummary::heading, {"Label1", "Label14", "Label15"}},
    {&LineSummary::description, {"Label2", "Label22", "Label222"}},
    {&LineSummary::length, {"Label3", "Label33", "Label333"}},
    {&LineSummary::r1, {"Label4", "Label44", "Label444"}},
    {&LineSummary::x1, {"Label5", "Label55", "Label555"}},
    {&LineSummary::r0, {"Label6", "Label66", "Label666"}},
    {&LineSummary::x0, {"Label7", "Label77", "Label777"}},
};
inline constexpr std::span<const LineSummaryLabel> kLineDescriptionLabels = std::span(kLineSummaryLabels).subspan<1>();

// An element of an element group: the texts of its heading and its
// description, and their labels in element groups 1 … 3.
struct ElementSummaryLabels {
    std::string ElementSummary::*heading;
    std::string ElementSummary::*description;
    std::array<const char*, 3> headingNames, descriptionNames;
};
// Cable joints, busbar joints, apparatus contacts, current-transformer windings, breaker coils.
inline constexpr ElementSummaryLabels kElementSummaryLabels[] = {
    {&ElementSummary::cableHeading,
     &ElementSummary::cable,
     {"Label8", "Label31", "Label42"},
     {"Label9", "Label30", "Label41"}},
    {&ElementSummary::busbarHeading,
     &ElementSummary::busbar,
     {"Label10", "Label29", "Label40"},
     {"Label11", "Label28", "Label39"}},
    {&ElementSummary::apparatusHeading,
     &ElementSummary::apparatus,
     {"Label12", "Label27", "Label38"},
     {"Label13", "Label26", "Label37"}},
    {&ElementSummary::currentTransformerHeading,
     &ElementSummary::currentTransformer,
     {"Label16", "Label25", "Label36"},
     {"Label17", "Label24", "Label35"}},
    {&ElementSummary::coilsHeading,
     &ElementSummary::coils,
     {"Label18", "Label23", "Label34"},
     {"Label20", "Label21", "Label32"}},
};

// A text of the summary with a label of its own.
struct SummaryLabel {
    std::string SummaryTexts::*text;
    const char* name;
};
inline constexpr SummaryLabel kCurrentLabel = {&SummaryTexts::current, "Label53"};
inline constexpr SummaryLabel kArcLabels[] = {{&SummaryTexts::arcKc, "Label52"}, {&SummaryTexts::arcZk, "Label51"}};
inline constexpr SummaryLabel kMotorLabels[] = {{&SummaryTexts::motorStartFactor, "Label50"},
                                                {&SummaryTexts::motorRatedCurrent, "Label49"}};

// The summary part's texts under their labels' names, in the window's order (Calculation::fields).
std::vector<Field> summaryFields(SummaryTexts& s);

}  // namespace ampera::model
