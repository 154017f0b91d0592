#include "core/fault_checks.h"

#include <optional>

#include "core/checked_math.h"
#include "core/fault_points.h"

namespace ampera {

namespace {

using namespace checked;

std::string text(double value) { return toFixed(value).toText(); }
std::string text(Fixed4 value) { return value.toText(); }

// What the checks read: the loop, θк, and the device's and cable's values.
struct Inputs {
    LoopReading loop;
    double theta = 0;
    DeviceInputs device;
};

Inputs readInputs(const CheckTexts& in) {
    Inputs r;
    r.loop = readLoop(in.fault);
    r.device.device = in.device;
    r.device.cable = in.cable;
    r.device.tOff = requiredNumber(in.t);
    r.theta = requiredNumber(in.theta);
    checkDisconnectionTime(r.device.tOff);
    checkEndTemperature(r.theta);
    r.device.ratedCurrent = optionalPositive(in.in);
    if (in.device == ProtectiveDevice::BreakerInstantaneous) r.device.setting = optionalPositive(in.iset);
    r.device.icu = optionalPositive(in.icu);
    r.device.crossSection = optionalPositive(in.s);
    r.device.circuit = in.circuit;
    return r;
}

CheckResult wordVerdicts(const CheckTexts& in, const Inputs& inputs) {
    const double kt = heatingFactor(inputs.theta);
    const ChainCurrents points = chainCurrents(inputs.loop.source, inputs.loop.fields, kt);
    CheckResult r;
    r.at = checkPoints(protectedLine(in.section, in.fault));
    const PointCurrents& device = points[r.at.device - 1];
    const PointCurrents& end = points[r.at.end - 1];
    const DeviceJudgement judged = judgeDevice(inputs.device, device, end, inputs.loop.source.uf);

    r.ik3 = text(device.ik3);
    r.ik2 = text(device.ik2);
    if (device.ta) r.ta = text(mul(*device.ta, 1000.0));
    r.kud = text(device.kud);
    r.iud = text(device.iud);
    if (judged.bk) r.bk = text(*judged.bk);
    if (judged.smin) r.smin = text(*judged.smin);
    r.ik1 = text(end.ik1);
    r.kt = text(kt);
    r.kc = text(end.kc);
    r.ik1min = text(end.ik1min);
    r.verdicts = judged.verdicts;
    r.points = pointRows(points);
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

namespace {

// The disconnection time: judged with In (Iуст for the release), unassessed
// without a zone for the device.
void judgeTime(const DeviceInputs& in, const PointCurrents& end, double lineVoltage, Verdict& out) {
    const bool instantaneous = in.device == ProtectiveDevice::BreakerInstantaneous;
    if (!(instantaneous ? in.setting : in.ratedCurrent)) return;
    const double rated = in.ratedCurrent ? in.ratedCurrent->value : 0.0;
    const auto zone = timeZone(in.device, rated, in.setting ? in.setting->value : 0.0);
    const Fixed4 seconds = disconnectionLimit(in.circuit, lineVoltage);
    const auto need = zone ? currentWithin(*zone, seconds.toDouble()) : std::nullopt;
    if (!need) {
        out = {Check::Time, Outcome::Unassessed, in.ratedCurrent ? in.ratedCurrent->shown : Fixed4{}};
        return;
    }
    out = judge(Check::Time, toFixed(end.ik1min), toFixed(div(*need, 1000.0)), seconds);
}

}  // namespace

DeviceJudgement judgeDevice(const DeviceInputs& in, const PointCurrents& device, const PointCurrents& end,
                            double lineVoltage) {
    DeviceJudgement j;
    // The cable's thermal withstand of the three-phase fault at its start.
    if (device.ta) {
        const double ik3 = device.ik3.toDouble();
        j.bk = mul(mul(ik3, ik3), add(in.tOff, *device.ta));
        j.smin = div(mul(1000.0, sqrt(*j.bk)), cableConstant(in.cable));
    }

    // A verdict is judged only when the values it compares are given.
    const auto verdict = [&j](Check check, Fixed4 value, Fixed4 limit) {
        j.verdicts[static_cast<std::size_t>(check)] = judge(check, value, limit);
    };
    const bool instantaneous = in.device == ProtectiveDevice::BreakerInstantaneous;
    if (in.ratedCurrent && (!instantaneous || in.setting)) {
        const double setting = in.setting ? in.setting->value : 0.0;
        const double need = requiredCurrent(in.device, in.ratedCurrent->value, setting);
        verdict(Check::Sensitivity, toFixed(end.ik1min), toFixed(div(need, 1000.0)));
    }
    if (in.icu) {
        verdict(Check::Breaking, device.ik3, in.icu->shown);
        if (in.device != ProtectiveDevice::Fuse)
            verdict(Check::Making, toFixed(device.iud), toFixed(mul(makingFactor(in.icu->value), in.icu->value)));
    }
    if (in.crossSection && j.smin) verdict(Check::Thermal, mul(in.crossSection->shown, in.parallel), toFixed(*j.smin));
    judgeTime(in, end, lineVoltage, j.verdicts[static_cast<std::size_t>(Check::Time)]);
    return j;
}

CheckResult calculateChecks(const CheckTexts& in) {
    return runCheck<CheckResult>([&](CheckResult& out) { out = wordVerdicts(in, readInputs(in)); });
}

}  // namespace ampera
