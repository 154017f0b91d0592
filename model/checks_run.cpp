#include "model/checks_run.h"

#include "core/chain_points.h"
#include "core/fault_points.h"
#include "core/number_text.h"
#include "model/calculation_steps.h"
#include "model/checks_texts.h"

namespace ampera::model {

namespace {

int item(const ChecksTexts& c, const CheckInput& in) { return listItem(c.*in.member, *in.list); }
SectionItem section(const ChecksTexts& c) { return sectionItem(item(c, kSectionInput)); }

// "K2 (РУ-0,4): Iк(3), …" for the device's point, the like for the end of its line; empty without a result.
std::string atPoint(int point, const char* values) {
    return point == 0 ? std::string() : pointLabel(point) + ": " + values;
}

}  // namespace

CheckTexts checkTexts(const Calculation& c) {
    const ChecksTexts& k = c.checks;
    CheckTexts r;
    r.fault = faultTexts(c.main);
    for (const CheckInput& in : kCheckInputs)
        if (in.read) r.*in.read = k.*in.member;
    r.device = static_cast<ProtectiveDevice>(listItem(k.device, kDeviceList));
    r.cable = static_cast<CableInsulation>(listItem(k.cable, kCableList));
    r.section = section(k);
    r.circuit = static_cast<Circuit>(item(k, kCircuitInput));
    return r;
}

ChecksSummary checksSummary(const Calculation& c) {
    ChecksSummary s;
    s.read = checkTexts(c);
    s.result = calculateChecks(s.read);
    // The table does not read the device's and cable's inputs: their failure leaves it filled.
    s.points = s.result.failure == CheckFailure::None ? s.result.points
                                                      : calculatePoints(s.read.fault, c.checks.theta).rows;
    return s;
}

CheckResult runChecks(Calculation& c) {
    const ChecksSummary s = checksSummary(c);
    const CheckResult& r = s.result;
    for (const CheckValue& v : kCheckValues) c.set(c.checks.*v.member, r.*v.result);
    for (const Verdict& v : r.verdicts) showVerdict(c, v, verdictText(v));
    for (const PointsAt& at : kPointsAt) c.set(c.checks.*at.member, atPoint(r.at.*at.point, at.values));
    for (std::size_t k = 0; k < s.points.size(); ++k)
        for (const PointColumn& col : kPointColumns) c.set(c.checks.points[k].*col.cell, s.points[k].*col.cell);
    describeSection(c);
    return r;
}

void describeSection(Calculation& c) {
    c.set(c.checks.sectionLabel, sectionLabel(protectedLine(section(c.checks), faultTexts(c.main))));
}

void showVerdict(Calculation& c, const Verdict& verdict, const std::string& words) {
    const auto n = static_cast<std::size_t>(verdict.check);
    c.checks.verdicts[n] = verdict;  // before the words, which the window colours by it
    c.set(c.checks.*kVerdictFields[n].member, words);
}

std::vector<InputLine> checkInputLines(const Calculation& c) {
    const ChecksTexts& k = c.checks;
    const bool release = checkTexts(c).device == ProtectiveDevice::BreakerInstantaneous;
    std::vector<InputLine> lines;
    for (const CheckInput& in : kCheckInputs) {
        const std::string& text = k.*in.member;
        const bool given = !isBlankText(text);
        const bool shown = in.shown == InputShown::Always || (in.shown == InputShown::WhenGiven && given) ||
                           (in.shown == InputShown::WhenRelease && release && given);
        if (shown) lines.push_back({in.caption, in.list ? in.item(item(k, in)) : text, in.shown != InputShown::Always});
    }
    return lines;
}

std::string pointsClipboardText(const ChecksTexts& c) {
    std::string out;
    for (const PointColumn& col : kPointColumns) out += std::string("\t") + col.head;
    out += "\r\n";
    for (std::size_t k = 0; k < c.points.size(); ++k) {
        out += pointCaption(int(k) + 1);
        for (const PointColumn& col : kPointColumns) out += "\t" + c.points[k].*col.cell;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> checksReportLines(Calculation& c) {
    runChecks(c);
    std::vector<std::string> lines;
    const ChecksTexts& k = c.checks;
    if (k.ik3.empty()) return lines;
    const auto line = [&](const std::string& caption, const std::string& value) {
        lines.push_back(caption + " = " + value);
    };
    for (const InputLine& in : checkInputLines(c)) line(in.caption, in.text);
    for (const CheckInput* apart : {&kSectionInput, &kCircuitInput}) line(apart->caption, apart->item(item(k, *apart)));
    for (const CheckValue& v : kCheckValues)
        if (!(k.*v.member).empty()) line(v.caption, k.*v.member);
    for (const VerdictField& v : kVerdictFields)
        if (!(k.*v.member).empty()) lines.push_back(k.*v.member);
    lines.push_back(kPointsHeading);
    for (std::size_t n = 0; n < k.points.size(); ++n) {
        std::string text = pointCaption(int(n) + 1) + ":";
        for (bool first = true; const PointColumn& col : kPointColumns) {
            text += std::string(first ? " " : ", ") + col.name + " = " + k.points[n].*col.cell + " " + col.unit;
            first = false;
        }
        lines.push_back(text);
    }
    return lines;
}

}  // namespace ampera::model
