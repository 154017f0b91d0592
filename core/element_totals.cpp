#include "core/element_totals.h"

#include "core/checked_math.h"

namespace ampera {

ElementTotals calculateElementTotals(const ElementTexts& in) {
    using namespace checked;
    ElementTotals out;
    try {
        const double cableR = number(in.cableR), cableCount = number(in.cableCount);
        const double busbarR = number(in.busbarR), busbarLength = number(in.busbarLength);
        const double apparatusR = number(in.apparatusR), apparatusCount = number(in.apparatusCount);
        const double coilR = number(in.coilR), coilX = number(in.coilX), coilCount = number(in.coilCount);
        const double ctR = number(in.ctR), ctX = number(in.ctX), ctCount = number(in.ctCount);

        double r = mul(cableR, cableCount);
        r = add(r, mul(busbarR, busbarLength));
        r = add(r, mul(apparatusR, apparatusCount));
        r = add(r, mul(coilR, coilCount));
        r = add(r, mul(ctR, ctCount));
        const double x = add(mul(coilX, coilCount), mul(ctX, ctCount));
        out.r = r;
        out.x = x;
    } catch (const Failure& f) {
        out = ElementTotals{};
        out.error = f.kind;
    }
    return out;
}

ReactorImpedance calculateReactor(const ReactorTexts& in) {
    using namespace checked;
    ReactorImpedance out;
    try {
        const double ip = number(in.ip);
        if (ip == 0.0) return out;
        const double pp = number(in.pp), l = number(in.l), m = number(in.m), f = number(in.f);
        const double r = mul(1000.0, div(pp, mul(ip, ip)));
        const double x = mul(1000.0, mul(sub(l, m), mul(f, kReactorOmegaFactor)));
        out.r = r;
        out.x = x;
        out.computed = true;
    } catch (const Failure& f) {
        out = ReactorImpedance{};
        out.error = f.kind;
    }
    return out;
}

}  // namespace ampera
