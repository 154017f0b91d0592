#include "model/checks_run.h"

#include <charconv>

#include "model/calculation_steps.h"
#include "model/checks_texts.h"

namespace ampera::model {

namespace {

// A list's item number 1 … count; anything else gives the fallback.
int item(const std::string& text, int count, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= count ? value : fallback;
}

int deviceItem(const ChecksTexts& c) { return item(c.device, int(kDevices.size()), kDefaultDevice); }
int cableItem(const ChecksTexts& c) { return item(c.cable, int(kCables.size()), kDefaultCable); }

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
            .cable = static_cast<CableInsulation>(cableItem(k))};
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
    return r;
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
    for (std::size_t n = 0; const std::string* value : checkResults(k)) {
        if (!value->empty()) line(kResultCaptions[n], *value);
        ++n;
    }
    for (const std::string* verdict : {&k.sens, &k.icuVerdict, &k.icm, &k.thermal})
        if (!verdict->empty()) lines.push_back(*verdict);
    return lines;
}

}  // namespace ampera::model
