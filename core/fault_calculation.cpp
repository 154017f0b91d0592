#include "core/fault_calculation.h"

#include "core/checked_math.h"
#include "core/fault_loop.h"
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
    // Uнн has been read by the transformer's impedance already.
    const LoopSource source{*t.rt, *t.xt, *t.xs, number(in.transformer.uf)};

    // The totals are kept even when a zero-sequence field fails.
    LoopFields fields;
    readPositiveSequence(in, fields);
    out.rsum = resistanceSum(source, fields, kPointCount);
    out.xsum = reactanceSum(source, fields, kPointCount);
    readZeroSequence(in, fields);

    const LoopTotals totals{out.rsum, out.xsum};
    out.ik = toFixed(in.mode == FaultMode::ThreePhase
                         ? threePhaseCurrent(totals, source.uf)
                         : singlePhaseCurrent(singlePhaseLoop(source, fields, totals, kPointCount, 1.0), source.uf));
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
