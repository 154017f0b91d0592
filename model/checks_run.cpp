#include "model/checks_run.h"

#include "core/chain_points.h"
#include "core/fault_points.h"
#include "model/calculation_steps.h"
#include "model/checks_texts.h"

namespace ampera::model {

namespace {

int deviceItem(const ChecksTexts& c) { return listItem(c.device, kDeviceList); }
int cableItem(const ChecksTexts& c) { return listItem(c.cable, kCableList); }
SectionItem section(const ChecksTexts& c) { return sectionItem(listItem(c.section, kSectionList)); }

// The cells of one point's row: RΣ, XΣ, Iк(3), Iк(2), iуд, Iк(1) макс., Iк(1) мин.
template <class Row>
auto cells(Row& r) {
    return std::array{&r.rsum, &r.xsum, &r.ik3, &r.ik2, &r.iud, &r.ik1, &r.ik1min};
}

void setPoints(Calculation& c, const PointRows& rows) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const auto from = cells(rows[k]);
        for (std::size_t col = 0; std::string * cell : cells(c.checks.points[k])) c.set(*cell, *from[col++]);
    }
}

// "K2 (РУ-0,4): Iк(3), …" for the device's point, the like for the end of its line; empty without a result.
std::string atPoint(int point, const char* values) {
    return point == 0 ? std::string() : pointLabel(point) + ": " + values;
}

}  // namespace

std::array<std::string*, 11> checkResults(ChecksTexts& c) {
    return {&c.ik3, &c.ik2, &c.ik1, &c.ta, &c.kud, &c.iud, &c.kt, &c.kc, &c.ik1min, &c.bk, &c.smin};
}

CheckTexts checkTexts(const Calculation& c) {
    const ChecksTexts& k = c.checks;
    return {.fault = faultTexts(c.main),
            .t = k.t,
            .theta = k.theta,
            .in = k.in,
            .iset = k.iset,
            .icu = k.icu,
            .s = k.s,
            .device = static_cast<ProtectiveDevice>(deviceItem(k)),
            .cable = static_cast<CableInsulation>(cableItem(k)),
            .section = section(k)};
}

CheckResult runChecks(Calculation& c) {
    const CheckResult r = calculateChecks(checkTexts(c));
    const std::string* values[] = {&r.ik3, &r.ik2, &r.ik1,    &r.ta, &r.kud, &r.iud,
                                   &r.kt,  &r.kc,  &r.ik1min, &r.bk, &r.smin};
    for (std::size_t k = 0; std::string * field : checkResults(c.checks)) c.set(*field, *values[k++]);
    c.set(c.checks.sens, r.sens);
    c.set(c.checks.icuVerdict, r.icu);
    c.set(c.checks.icm, r.icm);
    c.set(c.checks.thermal, r.thermal);
    c.set(c.checks.atDevice, atPoint(r.at.device, kAtDevice));
    c.set(c.checks.atEnd, atPoint(r.at.end, kAtEnd));
    // The table does not read the device's and cable's inputs: their failure leaves it filled.
    setPoints(c, r.failure == CheckFailure::None ? r.points : calculatePoints(faultTexts(c.main), c.checks.theta).rows);
    describeSection(c);
    return r;
}

void describeSection(Calculation& c) {
    c.set(c.checks.sectionLabel, sectionLabel(protectedLine(section(c.checks), faultTexts(c.main))));
}

std::string pointsClipboardText(const ChecksTexts& c) {
    std::string out;
    for (const char* head : kPointColumns) out += std::string("\t") + head;
    out += "\r\n";
    for (int k = 1; k <= kPointCount; ++k) {
        out += pointCaption(k);
        for (const std::string* cell : cells(c.points[static_cast<std::size_t>(k - 1)])) out += "\t" + *cell;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> checksReportLines(Calculation& c) {
    runChecks(c);
    std::vector<std::string> lines;
    ChecksTexts& k = c.checks;
    if (k.ik3.empty()) return lines;
    const auto line = [&](const char* caption, const std::string& value) {
        lines.push_back(std::string(caption) + " = " + value);
    };
    const InputCaptions& in = kInputCaptions;
    line(in.t, k.t);
    line(in.theta, k.theta);
    line(in.device, kDevices[static_cast<std::size_t>(deviceItem(k) - 1)]);
    if (!k.in.empty()) line(in.in, k.in);
    if (deviceItem(k) == kInstantaneousItem && !k.iset.empty()) line(in.iset, k.iset);
    if (!k.icu.empty()) line(in.icu, k.icu);
    line(in.cable, kCables[static_cast<std::size_t>(cableItem(k) - 1)]);
    if (!k.s.empty()) line(in.s, k.s);
    line(in.section, sectionItemText(section(k)));
    for (std::size_t n = 0; const std::string* value : checkResults(k)) {
        if (!value->empty()) line(kResultCaptions[n], *value);
        ++n;
    }
    for (const std::string* verdict : {&k.sens, &k.icuVerdict, &k.icm, &k.thermal})
        if (!verdict->empty()) lines.push_back(*verdict);
    lines.push_back(kPointsHeading);
    for (int n = 1; n <= kPointCount; ++n) {
        std::string text = pointCaption(n) + ":";
        for (std::size_t col = 0; const std::string* cell : cells(k.points[static_cast<std::size_t>(n - 1)])) {
            const PointValueCaption& value = kPointValues[col++];
            text += std::string(col == 1 ? " " : ", ") + value.name + " = " + *cell + " " + value.unit;
        }
        lines.push_back(text);
    }
    return lines;
}

}  // namespace ampera::model
