#include "core/path_loop.h"

#include <algorithm>
#include <cmath>

#include "core/arc_motor.h"
#include "core/check_inputs.h"
#include "core/checked_math.h"
#include "core/fault_factors.h"

namespace ampera {

using namespace checked;

namespace {

// A sum of finite terms stays finite unless it overflows: checked once at its end.
double finiteSum(double sum) { return add(sum, 0.0); }

}  // namespace

ChainPath::ChainPath(const LoopFields& fields, int point) : ends{fields.rr, fields.xr, fields.r0y, fields.x0y} {
    for (std::size_t k = 0; k < branches.size(); ++k)
        branches[k] = PathTerms(PathBranch{fields.lines[k], fields.rd[k], fields.xd[k]});
    path = std::span<const PathTerms>(branches).first(static_cast<std::size_t>(point - 1));
}

PathLines::PathLines(const LoopSource& source) : r(source.rt), x(source.xt + source.xs) {}

PathLines PathLines::along(const LoopSource& source, std::span<const PathTerms> path) {
    PathLines lines(source);
    for (const PathTerms& b : path) lines = lines.then(b);
    return lines;
}

PathLines PathLines::then(const PathTerms& branch) const {
    PathLines next = *this;
    next.r += branch.r1;
    next.x += branch.x1;
    next.r1 += branch.r1;
    return next;
}

LoopTotals pathTotals(const LoopEnds& ends, std::span<const PathTerms> path, const PathLines& lines) {
    double r = lines.r, x = lines.x;
    for (const PathTerms& b : path) {
        r += b.rk;
        x += b.xk;
    }
    return {toFixed(finiteSum(r + ends.rr.toDouble())), toFixed(finiteSum(x + ends.xr.toDouble()))};
}

Fixed4 pathResistanceSum(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path) {
    return pathTotals(ends, path, PathLines::along(source, path)).rsum;
}

Fixed4 pathReactanceSum(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path) {
    return pathTotals(ends, path, PathLines::along(source, path)).xsum;
}

SinglePhaseLoops pathSinglePhaseLoops(const LoopSource& source, const LoopEnds& ends, LoopTotals totals,
                                      std::span<const PathTerms> path, const PathLines& lines, double kTheta) {
    // The heating raises the positive-sequence resistance of the path's lines.
    const double dr = mul(kTheta - 1.0, finiteSum(lines.r1));
    const double r = add(mul(totals.rsum, 2), ends.r0y).toDouble();
    double cold = add(add(r, 0.0), source.rt), heated = add(add(r, mul(2.0, dr)), source.rt);
    double x = add(add(mul(totals.xsum, 2), ends.x0y).toDouble(), source.xt);
    for (const PathTerms& b : path) {
        cold += b.r0;
        heated += kTheta * b.r0;
        x += b.x0;
    }
    const auto loop = [x = finiteSum(x)](double r) {
        r = finiteSum(r);
        return SinglePhaseLoop{r, x, sqrt(add(mul(r, r), mul(x, x)))};
    };
    return {loop(cold), loop(heated)};
}

SinglePhaseLoop pathSinglePhaseLoop(const LoopSource& source, const LoopEnds& ends, LoopTotals totals,
                                    std::span<const PathTerms> path, double kTheta) {
    return pathSinglePhaseLoops(source, ends, totals, path, PathLines::along(source, path), kTheta).heated;
}

PointCurrents pathPointCurrents(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path,
                                double kTheta) {
    return pathPointCurrents(source, ends, path, PathLines::along(source, path), kTheta);
}

PointCurrents pathPointCurrents(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path,
                                const PathLines& lines, double kTheta) {
    PointCurrents p;
    const LoopTotals totals = pathTotals(ends, path, lines);
    p.rsum = totals.rsum;
    p.xsum = totals.xsum;
    const SinglePhaseLoops loops = pathSinglePhaseLoops(source, ends, totals, path, lines, kTheta);
    p.ik3 = toFixed(threePhaseCurrent(totals, source.uf));
    p.ik1 = toFixed(singlePhaseCurrent(loops.cold, source.uf));
    const double rsum = p.rsum.toDouble(), xsum = p.xsum.toDouble();
    if (rsum < 0.0 || xsum < 0.0 || p.ik3.raw() < 0 || p.ik1.raw() < 0) throw CheckStop{CheckFailure::Silent};

    // The two-phase and the peak current follow from the three-phase one.
    const double ik3 = p.ik3.toDouble();
    p.ik2 = div(mul(ik3, std::sqrt(3.0)), 2.0);
    if (rsum > 0.0) p.ta = div(xsum, mul(kOmega, rsum));
    p.kud = peakFactor(rsum, xsum);
    p.iud = mul(mul(std::sqrt(2.0), p.kud), ik3);

    // The minimum single-phase current: the loop with heated conductors, reduced by the arc.
    const double ik1Heated = singlePhaseCurrent(loops.heated, source.uf);
    const Checked<double> kc = arcCoefficient(std::min(div(loops.heated.z, 3.0), kArcImpedanceLimit));
    if (!kc.ok()) throw CheckStop{CheckFailure::Silent};
    p.kc = kc.value;
    p.ik1min = mul(kc.value, ik1Heated);
    return p;
}

}  // namespace ampera
