#include "core/arc_motor.h"

#include <cmath>

#include "core/checked_math.h"

namespace ampera {

namespace {

void computeArc(const ArcTexts& in, ArcResult& out) {
    using namespace checked;

    const Fixed4 rsum = fixed(in.rsum), xsum = fixed(in.xsum), ik = fixed(in.ik);
    const Fixed4 r01 = fixed(in.r01), x01 = fixed(in.x01), r02 = fixed(in.r02), x02 = fixed(in.x02);
    const Fixed4 r03 = fixed(in.r03), x03 = fixed(in.x03);
    const Fixed4 rt = fixed(in.rt), xt = fixed(in.xt);

    if (in.threePhase) {
        const double r = rsum.toDouble(), x = xsum.toDouble();
        out.zk = toFixed(sqrt(add(mul(r, r), mul(x, x))));
    } else {
        Fixed4 a = mul(rsum, 2);
        for (Fixed4 v : {rt, r01, r02, r03}) a = add(a, v);
        Fixed4 b = mul(xsum, 2);
        for (Fixed4 v : {xt, x01, x02, x03}) b = add(b, v);
        const double ad = a.toDouble(), bd = b.toDouble();
        out.zk = toFixed(mul(sqrt(add(mul(ad, ad), mul(bd, bd))), 1.0 / 3.0));
    }

    const Checked<double> kc = arcCoefficient(out.zk.toDouble());
    if (!kc.ok()) throw Failure{kc.error};
    out.kc = toFixed(kc.value);
    out.id = mul(ik, out.kc);
}

// A cable value: an empty text is no cable.
double cableValue(const std::string& text) { return text.empty() ? 0.0 : checked::number(text); }

void computeMotor(const MotorTexts& in, MotorResult& out) {
    using namespace checked;

    const double iNom = number(in.ratedCurrent);
    const double kp = number(in.startFactor);
    const double u = number(in.uf);
    const double r0 = cableValue(in.r0);
    const double x0 = cableValue(in.x0);

    double q = mul(mul(u, u), 1e6);
    q = div(q, iNom);
    q = div(q, kp);
    q = div(q, iNom);
    q = div(q, kp);
    q = div(q, 2.0);
    out.xel = sqrt(q);

    const double uph = div(u, std::sqrt(3.0));
    const double active = mul(0.8, uph);
    const double reactive = sub(mul(0.6, uph), div(mul(iNom, out.xel), 1000.0));
    out.e = sqrt(add(mul(active, active), mul(reactive, reactive)));

    const double x = add(out.xel, x0);
    const double zad = sqrt(add(mul(r0, r0), mul(x, x)));
    out.iad = div(out.e, zad);
}

}  // namespace

Checked<double> arcCoefficient(double z) {
    using namespace checked;
    try {
        double kc = sub(0.6, mul(0.0025, z));
        kc = add(kc, mul(0.114, sqrt(z)));
        kc = sub(kc, mul(0.13, pow(z, 1.0 / 3.0)));
        return {kc, NumError::None};
    } catch (const Failure& f) {
        return {0.0, f.kind};
    }
}

ArcResult calculateArc(const ArcTexts& in) {
    return runChecked<ArcResult>([&](ArcResult& out) { computeArc(in, out); });
}

MotorResult calculateMotor(const MotorTexts& in) {
    return runChecked<MotorResult>([&](MotorResult& out) { computeMotor(in, out); });
}

Checked<Fixed4> currentWithMotor(std::string_view motorFeed, std::string_view current) {
    return runChecked<Checked<Fixed4>>([&](Checked<Fixed4>& out) {
        const Fixed4 feed = checked::fixed(motorFeed);
        out.value = checked::add(feed, checked::fixed(current));
    });
}

}  // namespace ampera
