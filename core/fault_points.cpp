#include "core/fault_points.h"

#include "core/check_inputs.h"
#include "core/checked_math.h"
#include "core/fault_factors.h"
#include "core/path_loop.h"

namespace ampera {

using namespace checked;

PointCurrents pointCurrents(const LoopSource& source, const LoopFields& fields, int point, double kTheta) {
    const ChainPath chain(fields, point);
    return pathPointCurrents(source, chain.ends, chain.path, kTheta);
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
