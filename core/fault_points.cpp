#include "core/fault_points.h"

#include <algorithm>
#include <cmath>

#include "core/arc_motor.h"
#include "core/check_inputs.h"
#include "core/checked_math.h"
#include "core/fault_factors.h"

namespace ampera {

using namespace checked;

PointCurrents pointCurrents(const LoopSource& source, const LoopFields& fields, int point, double kTheta) {
    PointCurrents p;
    p.rsum = resistanceSum(source, fields, point);
    p.xsum = reactanceSum(source, fields, point);
    const LoopTotals totals{p.rsum, p.xsum};
    p.ik3 = toFixed(threePhaseCurrent(totals, source.uf));
    p.ik1 = toFixed(singlePhaseCurrent(singlePhaseLoop(source, fields, totals, point, 1.0), source.uf));
    const double rsum = p.rsum.toDouble(), xsum = p.xsum.toDouble();
    if (rsum < 0.0 || xsum < 0.0 || p.ik3.raw() < 0 || p.ik1.raw() < 0) throw CheckStop{CheckFailure::Silent};

    // The two-phase and the peak current follow from the three-phase one.
    const double ik3 = p.ik3.toDouble();
    p.ik2 = div(mul(ik3, std::sqrt(3.0)), 2.0);
    if (rsum > 0.0) p.ta = div(xsum, mul(kOmega, rsum));
    p.kud = peakFactor(rsum, xsum);
    p.iud = mul(mul(std::sqrt(2.0), p.kud), ik3);

    // The minimum single-phase current: the loop with heated conductors, reduced by the arc.
    const SinglePhaseLoop heated = singlePhaseLoop(source, fields, totals, point, kTheta);
    const double ik1Heated = singlePhaseCurrent(heated, source.uf);
    const Checked<double> kc = arcCoefficient(std::min(div(heated.z, 3.0), kArcImpedanceLimit));
    if (!kc.ok()) throw CheckStop{CheckFailure::Silent};
    p.kc = kc.value;
    p.ik1min = mul(kc.value, ik1Heated);
    return p;
}

ChainCurrents chainCurrents(const LoopSource& source, const LoopFields& fields, double kTheta) {
    ChainCurrents chain;
    for (int k = 1; k <= kPointCount; ++k) chain[k - 1] = pointCurrents(source, fields, k, kTheta);
    return chain;
}

PointRows pointRows(const ChainCurrents& currents) {
    const auto text = [](double value) { return toFixed(value).toText(); };
    PointRows rows;
    for (int k = 0; k < kPointCount; ++k) {
        const PointCurrents& p = currents[k];
        rows[k] = {p.rsum.toText(), p.xsum.toText(), p.ik3.toText(), text(p.ik2),
                   text(p.iud),     p.ik1.toText(),  text(p.ik1min)};
    }
    return rows;
}

PointsResult calculatePoints(const FaultTexts& fault, const std::string& theta) {
    return runCheck<PointsResult>([&](PointsResult& out) {
        const LoopReading loop = readLoop(fault);
        const double celsius = requiredNumber(theta);
        checkEndTemperature(celsius);
        out.rows = pointRows(chainCurrents(loop.source, loop.fields, heatingFactor(celsius)));
    });
}

}  // namespace ampera
