#include "core/fault_loop.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/path_loop.h"

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
    const ChainPath c(fields, point);
    return pathResistanceSum(source, c.ends, c.path);
}

Fixed4 reactanceSum(const LoopSource& source, const LoopFields& fields, int point) {
    const ChainPath c(fields, point);
    return pathReactanceSum(source, c.ends, c.path);
}

double threePhaseCurrent(LoopTotals totals, double uf) {
    const double rs = totals.rsum.toDouble(), xs = totals.xsum.toDouble();
    const double zloop = sqrt(add(mul(rs, rs), mul(xs, xs)));
    return div(uf, mul(std::sqrt(3.0), zloop));
}

SinglePhaseLoop singlePhaseLoop(const LoopSource& source, const LoopFields& fields, LoopTotals totals, int point,
                                double kTheta) {
    const ChainPath c(fields, point);
    return pathSinglePhaseLoop(source, c.ends, totals, c.path, kTheta);
}

double singlePhaseCurrent(const SinglePhaseLoop& loop, double uf) { return div(mul(std::sqrt(3.0), uf), loop.z); }

}  // namespace ampera
