#include "core/fault_calculation.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/number_text.h"

namespace ampera {

namespace {

void compute(const FaultTexts& in, FaultResult& out) {
    using namespace checked;

    TransformerImpedance t = transformerImpedance(in.transformer);
    out.rt = t.rt;
    out.xt = t.xt;
    out.xs = t.xs;
    if (t.error != NumError::None) throw Failure{t.error};

    const Fixed4 r11 = fixed(in.r11), x11 = fixed(in.x11), r12 = fixed(in.r12), x12 = fixed(in.x12);
    const Fixed4 r13 = fixed(in.r13), x13 = fixed(in.x13), rd = fixed(in.rd), xd = fixed(in.xd);
    const Fixed4 rd1 = fixed(in.rd1), xd1 = fixed(in.xd1), rd2 = fixed(in.rd2), xd2 = fixed(in.xd2);
    const Fixed4 rr = fixed(in.rr), xr = fixed(in.xr);

    double r = *t.rt;
    for (Fixed4 v : {r11, r12, r13, rd, rd1, rd2, rr}) r = add(r, v.toDouble());
    out.rsum = toFixed(r);

    double x = add(*t.xt, *t.xs);
    for (Fixed4 v : {x11, x12, x13, xd, xd1, xd2, xr}) x = add(x, v.toDouble());
    out.xsum = toFixed(x);

    const Fixed4 r01 = fixed(in.r01), x01 = fixed(in.x01), r02 = fixed(in.r02), x02 = fixed(in.x02);
    const Fixed4 r03 = fixed(in.r03), x03 = fixed(in.x03), r0y = fixed(in.r0y), x0y = fixed(in.x0y);

    const double sqrt3 = std::sqrt(3.0);
    if (in.mode == FaultMode::ThreePhase) {
        double rs = out.rsum.toDouble(), xs = out.xsum.toDouble();
        double zloop = sqrt(add(mul(rs, rs), mul(xs, xs)));
        double uf = number(in.transformer.uf);
        out.ik = toFixed(div(uf, mul(sqrt3, zloop)));
    } else {
        Fixed4 a = add(mul(out.rsum, 2), r0y);
        Fixed4 b = add(mul(out.xsum, 2), x0y);
        double r1 = a.toDouble();
        for (double v : {*t.rt, r01.toDouble(), r02.toDouble(), r03.toDouble()}) r1 = add(r1, v);
        double x1 = b.toDouble();
        for (double v : {*t.xt, x01.toDouble(), x02.toDouble(), x03.toDouble()}) x1 = add(x1, v);
        double uf = number(in.transformer.uf);
        double zloop = sqrt(add(mul(r1, r1), mul(x1, x1)));
        out.ik = toFixed(div(mul(sqrt3, uf), zloop));
    }
}

}  // namespace

FaultResult calculateFault(const FaultTexts& in) {
    return runChecked<FaultResult>([&](FaultResult& out) { compute(in, out); });
}

std::string FaultResult::xtText() const { return xt ? formatDouble(*xt) : std::string(); }
std::string FaultResult::rtText() const { return rt ? formatDouble(*rt) : std::string(); }

std::string FaultResult::xsText() const {
    if (!xs) return "0";
    Checked<Fixed4> f = Fixed4::fromDouble(*xs);
    return f.ok() ? f.value.toText() : std::string("0");
}

}  // namespace ampera
