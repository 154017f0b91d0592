#include "core/fault_checks.h"

#include <optional>

#include "core/checked_math.h"
#include "core/fault_points.h"

namespace ampera {

namespace {

using namespace checked;

std::string text(double value) { return toFixed(value).toText(); }
std::string text(Fixed4 value) { return value.toText(); }

// What the checks read: the loop, tоткл and θк, and the device's and cable's values.
struct Inputs {
    LoopReading loop;
    double tOff = 0, theta = 0;
    std::optional<PositiveInput> ratedCurrent, setting, icu, crossSection;
};

Inputs readInputs(const CheckTexts& in) {
    Inputs r;
    r.loop = readLoop(in.fault);
    r.tOff = requiredNumber(in.t);
    r.theta = requiredNumber(in.theta);
    checkDisconnectionTime(r.tOff);
    checkEndTemperature(r.theta);
    r.ratedCurrent = optionalPositive(in.in);
    if (in.device == ProtectiveDevice::BreakerInstantaneous) r.setting = optionalPositive(in.iset);
    r.icu = optionalPositive(in.icu);
    r.crossSection = optionalPositive(in.s);
    return r;
}

// The currents the verdicts compare: the maximum ones where the device
// stands, the minimum one at the end of the line it protects.
struct Currents {
    double kt = 0;
    ChainCurrents points;
    CheckPoints at;
    std::optional<double> bk, smin;  // none without Ta
    const PointCurrents& device() const { return points[at.device - 1]; }
    const PointCurrents& end() const { return points[at.end - 1]; }
};

Currents computeCurrents(const CheckTexts& in, const Inputs& inputs) {
    Currents c;
    c.kt = heatingFactor(inputs.theta);
    c.points = chainCurrents(inputs.loop.source, inputs.loop.fields, c.kt);
    c.at = checkPoints(protectedLine(in.section, in.fault));
    // The cable's thermal withstand of the three-phase fault at its start.
    if (const PointCurrents& device = c.device(); device.ta) {
        const double ik3 = device.ik3.toDouble();
        c.bk = mul(mul(ik3, ik3), add(inputs.tOff, *device.ta));
        c.smin = div(mul(1000.0, sqrt(*c.bk)), cableConstant(in.cable));
    }
    return c;
}

CheckResult wordVerdicts(const CheckTexts& in, const Inputs& inputs, const Currents& c) {
    CheckResult r;
    const PointCurrents& device = c.device();
    r.ik3 = text(device.ik3);
    r.ik2 = text(device.ik2);
    if (device.ta) r.ta = text(mul(*device.ta, 1000.0));
    r.kud = text(device.kud);
    r.iud = text(device.iud);
    if (c.bk) r.bk = text(*c.bk);
    if (c.smin) r.smin = text(*c.smin);

    const PointCurrents& end = c.end();
    r.ik1 = text(end.ik1);
    r.kt = text(c.kt);
    r.kc = text(end.kc);
    r.ik1min = text(end.ik1min);

    // A verdict is worded only when the values it compares are given.
    const bool instantaneous = in.device == ProtectiveDevice::BreakerInstantaneous;
    const auto verdict = [&r](Check check, Fixed4 value, Fixed4 limit) {
        r.verdicts[static_cast<std::size_t>(check)] = judge(check, value, limit);
    };
    if (inputs.ratedCurrent && (!instantaneous || inputs.setting)) {
        const double setting = inputs.setting ? inputs.setting->value : 0.0;
        const double need = requiredCurrent(in.device, inputs.ratedCurrent->value, setting);
        verdict(Check::Sensitivity, toFixed(end.ik1min), toFixed(div(need, 1000.0)));
    }
    if (inputs.icu) {
        verdict(Check::Breaking, device.ik3, inputs.icu->shown);
        if (in.device != ProtectiveDevice::Fuse)
            verdict(Check::Making, toFixed(device.iud),
                    toFixed(mul(makingFactor(inputs.icu->value), inputs.icu->value)));
    }
    if (inputs.crossSection && c.smin) verdict(Check::Thermal, inputs.crossSection->shown, toFixed(*c.smin));
    r.at = c.at;
    r.points = pointRows(c.points);
    return r;
}

}  // namespace

double cableConstant(CableInsulation cable) {
    switch (cable) {
    case CableInsulation::CopperPvc: return 115.0;
    case CableInsulation::AluminiumPvc: return 76.0;
    case CableInsulation::CopperXlpe: return 143.0;
    case CableInsulation::AluminiumXlpe: return 94.0;
    }
    return 76.0;
}

double requiredCurrent(ProtectiveDevice device, double ratedCurrent, double releaseSetting) {
    switch (device) {
    case ProtectiveDevice::BreakerB: return 5.0 * ratedCurrent;
    case ProtectiveDevice::BreakerC: return 10.0 * ratedCurrent;
    case ProtectiveDevice::BreakerD: return 20.0 * ratedCurrent;
    case ProtectiveDevice::BreakerInstantaneous: return (ratedCurrent <= 100.0 ? 1.4 : 1.25) * releaseSetting;
    case ProtectiveDevice::Fuse: return 3.0 * ratedCurrent;
    }
    return 0.0;
}

double makingFactor(double icuKa) {
    struct Band {
        double upTo, n;
    };
    static constexpr Band kBands[] = {{1.5, 1.41}, {3.0, 1.42}, {4.5, 1.47}, {6.0, 1.5},
                                      {10.0, 1.7}, {20.0, 2.0}, {50.0, 2.1}};
    for (const Band& band : kBands)
        if (icuKa <= band.upTo) return band.n;
    return 2.2;
}

CheckResult calculateChecks(const CheckTexts& in) {
    return runCheck<CheckResult>([&](CheckResult& out) {
        const Inputs inputs = readInputs(in);
        out = wordVerdicts(in, inputs, computeCurrents(in, inputs));
    });
}

}  // namespace ampera
