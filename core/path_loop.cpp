#include "core/path_loop.h"

#include <algorithm>
#include <cmath>

#include "core/arc_motor.h"
#include "core/check_inputs.h"
#include "core/checked_math.h"
#include "core/fault_factors.h"

namespace ampera {

using namespace checked;

ChainPath::ChainPath(const LoopFields& fields, int point) : ends{fields.rr, fields.xr, fields.r0y, fields.x0y} {
    for (std::size_t k = 0; k < branches.size(); ++k) branches[k] = {fields.lines[k], fields.rd[k], fields.xd[k]};
    path = std::span<const PathBranch>(branches).first(static_cast<std::size_t>(point - 1));
}

Fixed4 pathResistanceSum(const LoopSource& source, const LoopEnds& ends, std::span<const PathBranch> path) {
    double r = source.rt;
    for (const PathBranch& b : path) r = add(r, b.line.r1.toDouble());
    for (const PathBranch& b : path) r = add(r, b.rk.toDouble());
    return toFixed(add(r, ends.rr.toDouble()));
}

Fixed4 pathReactanceSum(const LoopSource& source, const LoopEnds& ends, std::span<const PathBranch> path) {
    double x = add(source.xt, source.xs);
    for (const PathBranch& b : path) x = add(x, b.line.x1.toDouble());
    for (const PathBranch& b : path) x = add(x, b.xk.toDouble());
    return toFixed(add(x, ends.xr.toDouble()));
}

SinglePhaseLoop pathSinglePhaseLoop(const LoopSource& source, const LoopEnds& ends, LoopTotals totals,
                                    std::span<const PathBranch> path, double kTheta) {
    // The heating raises the positive-sequence resistance of the path's lines.
    double lines = 0.0;
    for (const PathBranch& b : path) lines = add(lines, b.line.r1.toDouble());
    const double dr = mul(kTheta - 1.0, lines);

    SinglePhaseLoop loop;
    loop.r = add(add(mul(totals.rsum, 2), ends.r0y).toDouble(), mul(2.0, dr));
    loop.r = add(loop.r, source.rt);
    for (const PathBranch& b : path) loop.r = add(loop.r, mul(kTheta, b.line.r0.toDouble()));
    loop.x = add(add(mul(totals.xsum, 2), ends.x0y).toDouble(), source.xt);
    for (const PathBranch& b : path) loop.x = add(loop.x, b.line.x0.toDouble());
    loop.z = sqrt(add(mul(loop.r, loop.r), mul(loop.x, loop.x)));
    return loop;
}

PointCurrents pathPointCurrents(const LoopSource& source, const LoopEnds& ends, std::span<const PathBranch> path,
                                double kTheta) {
    PointCurrents p;
    p.rsum = pathResistanceSum(source, ends, path);
    p.xsum = pathReactanceSum(source, ends, path);
    const LoopTotals totals{p.rsum, p.xsum};
    p.ik3 = toFixed(threePhaseCurrent(totals, source.uf));
    p.ik1 = toFixed(singlePhaseCurrent(pathSinglePhaseLoop(source, ends, totals, path, 1.0), source.uf));
    const double rsum = p.rsum.toDouble(), xsum = p.xsum.toDouble();
    if (rsum < 0.0 || xsum < 0.0 || p.ik3.raw() < 0 || p.ik1.raw() < 0) throw CheckStop{CheckFailure::Silent};

    // The two-phase and the peak current follow from the three-phase one.
    const double ik3 = p.ik3.toDouble();
    p.ik2 = div(mul(ik3, std::sqrt(3.0)), 2.0);
    if (rsum > 0.0) p.ta = div(xsum, mul(kOmega, rsum));
    p.kud = peakFactor(rsum, xsum);
    p.iud = mul(mul(std::sqrt(2.0), p.kud), ik3);

    // The minimum single-phase current: the loop with heated conductors, reduced by the arc.
    const SinglePhaseLoop heated = pathSinglePhaseLoop(source, ends, totals, path, kTheta);
    const double ik1Heated = singlePhaseCurrent(heated, source.uf);
    const Checked<double> kc = arcCoefficient(std::min(div(heated.z, 3.0), kArcImpedanceLimit));
    if (!kc.ok()) throw CheckStop{CheckFailure::Silent};
    p.kc = kc.value;
    p.ik1min = mul(kc.value, ik1Heated);
    return p;
}

}  // namespace ampera
