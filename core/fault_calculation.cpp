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

    std::array<Fixed4, 14> p;
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = fixed(in.positive[i]);
    const Fixed4 &r11 = p[0], &x11 = p[1], &r12 = p[2], &x12 = p[3], &r13 = p[4], &x13 = p[5];
    const Fixed4 &rd = p[6], &xd = p[7], &rd1 = p[8], &xd1 = p[9], &rd2 = p[10], &xd2 = p[11];
    const Fixed4 &rr = p[12], &xr = p[13];

    double r = *t.rt;
    for (Fixed4 v : {r11, r12, r13, rd, rd1, rd2, rr}) r = add(r, v.toDouble());
    out.rsum = toFixed(r);

    double x = add(*t.xt, *t.xs);
    for (Fixed4 v : {x11, x12, x13, xd, xd1, xd2, xr}) x = add(x, v.toDouble());
    out.xsum = toFixed(x);

    std::array<Fixed4, 8> z;
    for (std::size_t i = 0; i < z.size(); ++i) z[i] = fixed(in.zero[i]);
    const Fixed4 &r01 = z[0], &x01 = z[1], &r02 = z[2], &x02 = z[3], &r03 = z[4], &x03 = z[5];
    const Fixed4 &r0y = z[6], &x0y = z[7];

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
    FaultResult out;
    try {
        compute(in, out);
    } catch (const Failure& f) {
        out.error = f.kind;
    }
    return out;
}

std::string FaultResult::text1() const { return xt ? formatDouble(*xt) : std::string(); }
std::string FaultResult::text3() const { return rt ? formatDouble(*rt) : std::string(); }

std::string FaultResult::text5() const {
    if (!xs) return "0";
    Checked<Fixed4> f = Fixed4::fromDouble(*xs);
    return f.ok() ? f.value.toText() : std::string("0");
}

}  // namespace ampera
