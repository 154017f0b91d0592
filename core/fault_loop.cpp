#include "core/fault_loop.h"

#include <cmath>

#include "core/checked_math.h"

namespace ampera {

using namespace checked;

void readPositiveSequence(const FaultTexts& in, LoopFields& out) {
    auto& l = out.lines;
    l[0].r1 = fixed(in.r11), l[0].x1 = fixed(in.x11), l[1].r1 = fixed(in.r12), l[1].x1 = fixed(in.x12);
    l[2].r1 = fixed(in.r13), l[2].x1 = fixed(in.x13), out.rd[0] = fixed(in.rd), out.xd[0] = fixed(in.xd);
    out.rd[1] = fixed(in.rd1), out.xd[1] = fixed(in.xd1), out.rd[2] = fixed(in.rd2), out.xd[2] = fixed(in.xd2);
    out.rr = fixed(in.rr), out.xr = fixed(in.xr);
}

void readZeroSequence(const FaultTexts& in, LoopFields& out) {
    auto& l = out.lines;
    l[0].r0 = fixed(in.r01), l[0].x0 = fixed(in.x01), l[1].r0 = fixed(in.r02), l[1].x0 = fixed(in.x02);
    l[2].r0 = fixed(in.r03), l[2].x0 = fixed(in.x03), out.r0y = fixed(in.r0y), out.x0y = fixed(in.x0y);
}

Fixed4 resistanceSum(const LoopSource& source, const LoopFields& fields, int point) {
    const int sections = point - 1;
    double r = source.rt;
    for (int k = 0; k < sections; ++k) r = add(r, fields.lines[k].r1.toDouble());
    for (int k = 0; k < sections; ++k) r = add(r, fields.rd[k].toDouble());
    return toFixed(add(r, fields.rr.toDouble()));
}

Fixed4 reactanceSum(const LoopSource& source, const LoopFields& fields, int point) {
    const int sections = point - 1;
    double x = add(source.xt, source.xs);
    for (int k = 0; k < sections; ++k) x = add(x, fields.lines[k].x1.toDouble());
    for (int k = 0; k < sections; ++k) x = add(x, fields.xd[k].toDouble());
    return toFixed(add(x, fields.xr.toDouble()));
}

double threePhaseCurrent(LoopTotals totals, double uf) {
    const double rs = totals.rsum.toDouble(), xs = totals.xsum.toDouble();
    const double zloop = sqrt(add(mul(rs, rs), mul(xs, xs)));
    return div(uf, mul(std::sqrt(3.0), zloop));
}

SinglePhaseLoop singlePhaseLoop(const LoopSource& source, const LoopFields& fields, LoopTotals totals, int point,
                                double kTheta) {
    const int sections = point - 1;
    // The heating raises the positive-sequence resistance of the point's lines.
    double lines = 0.0;
    for (int k = 0; k < sections; ++k) lines = add(lines, fields.lines[k].r1.toDouble());
    const double dr = mul(kTheta - 1.0, lines);

    SinglePhaseLoop loop;
    loop.r = add(add(mul(totals.rsum, 2), fields.r0y).toDouble(), mul(2.0, dr));
    loop.r = add(loop.r, source.rt);
    for (int k = 0; k < sections; ++k) loop.r = add(loop.r, mul(kTheta, fields.lines[k].r0.toDouble()));
    loop.x = add(add(mul(totals.xsum, 2), fields.x0y).toDouble(), source.xt);
    for (int k = 0; k < sections; ++k) loop.x = add(loop.x, fields.lines[k].x0.toDouble());
    loop.z = sqrt(add(mul(loop.r, loop.r), mul(loop.x, loop.x)));
    return loop;
}

double singlePhaseCurrent(const SinglePhaseLoop& loop, double uf) { return div(mul(std::sqrt(3.0), uf), loop.z); }

}  // namespace ampera
