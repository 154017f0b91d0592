#include "core/fault_checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "core/arc_motor.h"
#include "core/checked_math.h"
#include "core/number_text.h"

namespace ampera {

namespace {

using namespace checked;

constexpr double kPi = std::numbers::pi;
constexpr double kOmega = 2.0 * kPi * 50.0;

// Ends the checks with a failure that has its own message.
struct Stop {
    CheckFailure failure;
};

// tоткл and θк: a number is required.
double required(const std::string& text) {
    const Checked<double> v = parseDouble(text);
    if (!v.ok()) throw Stop{CheckFailure::Conversion};
    return v.value;
}

// In, Iуст, Icu, S: empty (or blanks only) is no value; a value must be > 0.
// Where a verdict shows the value itself, it is the number as the field
// shows it, rounded on its decimal digits.
struct Input {
    double value;
    Fixed4 shown;
};
std::optional<Input> optionalPositive(const std::string& text) {
    if (text.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    const Checked<double> v = parseDouble(text);
    if (!v.ok()) throw Stop{CheckFailure::Conversion};
    if (!(v.value > 0.0)) throw Stop{CheckFailure::NotPositive};
    const Checked<Fixed4> shown = Fixed4::parse(text);
    if (!shown.ok()) throw Stop{CheckFailure::Silent};
    return Input{v.value, shown.value};
}

FaultResult run(const FaultTexts& texts, FaultMode mode) {
    FaultTexts t = texts;
    t.mode = mode;
    FaultResult r = calculateFault(t);
    if (r.error == NumError::Conversion) throw Stop{CheckFailure::Conversion};
    if (r.error != NumError::None || !r.rt || !r.xt) throw Stop{CheckFailure::Silent};
    return r;
}

std::string text(double value) { return toFixed(value).toText(); }
std::string text(Fixed4 value) { return value.toText(); }

struct Compared {
    Fixed4 x, y;
};
Compared compared(double x, double y) { return {toFixed(x), toFixed(y)}; }

std::string sensitivityVerdict(Compared c) {
    return c.x.raw() >= c.y.raw()
               ? "чувствительность защиты обеспечена: Iк(1) мин. = " + text(c.x) + " кА >= " + text(c.y) + " кА"
               : "чувствительность защиты НЕ обеспечена: Iк(1) мин. = " + text(c.x) + " кА < " + text(c.y) + " кА";
}

std::string breakingVerdict(Compared c) {
    return c.x.raw() <= c.y.raw()
               ? "отключающая способность достаточна: Iк(3) = " + text(c.x) + " кА <= Icu = " + text(c.y) + " кА"
               : "отключающая способность НЕДОСТАТОЧНА: Iк(3) = " + text(c.x) + " кА > Icu = " + text(c.y) + " кА";
}

std::string makingVerdict(Compared c) {
    return c.x.raw() <= c.y.raw()
               ? "включающая способность достаточна: iуд = " + text(c.x) + " кА <= Icm = " + text(c.y) + " кА"
               : "включающая способность НЕДОСТАТОЧНА: iуд = " + text(c.x) + " кА > Icm = " + text(c.y) + " кА";
}

std::string thermalVerdict(Compared c) {
    return c.x.raw() >= c.y.raw() ? "термическая стойкость кабеля обеспечена: S = " + text(c.x) +
                                        " мм.кв >= Sмин = " + text(c.y) + " мм.кв"
                                  : "термическая стойкость кабеля НЕ обеспечена: S = " + text(c.x) +
                                        " мм.кв < Sмин = " + text(c.y) + " мм.кв";
}

void compute(const CheckTexts& in, CheckResult& out) {
    // 1. the maximum currents of the loop as the main window would compute them
    const FaultResult three = run(in.fault, FaultMode::ThreePhase);
    const FaultResult single = run(in.fault, FaultMode::SinglePhase);
    const double rsum = three.rsum.toDouble(), xsum = three.xsum.toDouble();
    const double rt = *three.rt, xt = *three.xt;
    // A loop with a negative resistance or reactance, or a negative current,
    // describes no real network: nothing to check.
    if (rsum < 0.0 || xsum < 0.0 || three.ik.raw() < 0 || single.ik.raw() < 0) throw Stop{CheckFailure::Silent};

    // 2. own inputs
    const double tOff = required(in.t);
    const double theta = required(in.theta);
    if (!(tOff > 0.0 && tOff <= 5.0)) throw Stop{CheckFailure::Time};
    if (!(theta >= 65.0 && theta <= 250.0)) throw Stop{CheckFailure::Temperature};
    const bool instantaneous = in.device == ProtectiveDevice::BreakerInstantaneous;
    const std::optional<Input> ratedCurrent = optionalPositive(in.in);
    const std::optional<Input> setting = instantaneous ? optionalPositive(in.iset) : std::nullopt;
    const std::optional<Input> icu = optionalPositive(in.icu);
    const std::optional<Input> section = optionalPositive(in.s);

    CheckResult r;
    // 3. maximum currents
    const double ik3 = three.ik.toDouble();
    r.ik3 = text(three.ik);
    r.ik1 = text(single.ik);
    r.ik2 = text(div(mul(ik3, std::sqrt(3.0)), 2.0));

    // 4. peak current
    std::optional<double> ta;
    if (rsum > 0.0) {
        ta = div(xsum, mul(kOmega, rsum));
        r.ta = text(mul(*ta, 1000.0));
    }
    const double kud = peakFactor(rsum, xsum);
    r.kud = text(kud);
    const double iud = mul(mul(std::sqrt(2.0), kud), ik3);
    r.iud = text(iud);

    // 5. heating
    const double kt = heatingFactor(theta);
    r.kt = text(kt);

    // 6. the single-phase loop with heated conductors
    const auto field = [](const std::string& t) { return fixed(t).toDouble(); };
    const FaultTexts& f = in.fault;
    const double r11 = field(f.r11), r12 = field(f.r12), r13 = field(f.r13);
    const double r01 = field(f.r01), x01 = field(f.x01), r02 = field(f.r02), x02 = field(f.x02);
    const double r03 = field(f.r03), x03 = field(f.x03), r0y = field(f.r0y), x0y = field(f.x0y);
    const double dr = mul(kt - 1.0, add(add(r11, r12), r13));
    double a = mul(2.0, add(rsum, dr));
    a = add(a, r0y);
    a = add(a, rt);
    a = add(a, mul(kt, add(add(r01, r02), r03)));
    double b = mul(2.0, xsum);
    for (double v : {x0y, xt, x01, x02, x03}) b = add(b, v);
    const double loop = sqrt(add(mul(a, a), mul(b, b)));
    const double uf = number(in.fault.transformer.uf);
    const double ik1Heated = div(mul(std::sqrt(3.0), uf), loop);

    // 7. the arc
    const double zk = div(loop, 3.0);
    const Checked<double> kc = arcCoefficient(std::min(zk, kArcImpedanceLimit));
    if (!kc.ok()) throw Stop{CheckFailure::Silent};
    r.kc = text(kc.value);
    const double ik1Min = mul(kc.value, ik1Heated);
    r.ik1min = text(ik1Min);

    // 8. thermal withstand
    std::optional<double> smin;
    if (ta) {
        const double bk = mul(mul(ik3, ik3), add(tOff, *ta));
        r.bk = text(bk);
        smin = div(mul(1000.0, sqrt(bk)), cableConstant(in.cable));
        r.smin = text(*smin);
    }

    // 9. verdicts
    if (ratedCurrent && (!instantaneous || setting)) {
        const double need = requiredCurrent(in.device, ratedCurrent->value, setting ? setting->value : 0.0);
        r.sens = sensitivityVerdict(compared(ik1Min, div(need, 1000.0)));
    }
    if (icu) {
        r.icu = breakingVerdict({three.ik, icu->shown});
        if (in.device != ProtectiveDevice::Fuse)
            r.icm = makingVerdict(compared(iud, mul(makingFactor(icu->value), icu->value)));
    }
    if (section && smin) r.thermal = thermalVerdict({section->shown, toFixed(*smin)});
    out = std::move(r);
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

double peakFactor(double rsum, double xsum) {
    if (rsum == 0.0) return 2.0;
    if (xsum == 0.0) return 1.0;
    const double ta = xsum / (kOmega * rsum);
    const double phi = std::atan2(xsum, rsum);
    const double tud = 0.01 * (kPi / 2.0 + phi) / kPi;
    return 1.0 + std::sin(phi) * std::exp(-tud / ta);
}

double heatingFactor(double thetaC) { return (1.0 + 0.004 * (thetaC - 20.0)) / (1.0 + 0.004 * (65.0 - 20.0)); }

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

std::string checkFailureMessage(CheckFailure failure) {
    switch (failure) {
    case CheckFailure::Time: return "Время отключения КЗ: больше 0 и не более 5 с";
    case CheckFailure::Temperature: return "Температура жил в конце КЗ: от 65 до 250 °C";
    case CheckFailure::NotPositive: return "Iном, уставка, Icu и сечение должны быть больше 0";
    default: return {};
    }
}

CheckResult calculateChecks(const CheckTexts& in) {
    CheckResult out;
    try {
        compute(in, out);
    } catch (const Stop& s) {
        out = CheckResult{};
        out.failure = s.failure;
    } catch (const Failure&) {
        out = CheckResult{};
        out.failure = CheckFailure::Silent;
    }
    return out;
}

}  // namespace ampera
