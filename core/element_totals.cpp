#include "core/element_totals.h"

#include "core/checked_math.h"

namespace ampera {

// Both write their result after the last step that can fail: a failure leaves 0.
ElementTotals calculateElementTotals(const ElementTexts& in) {
    return runChecked<ElementTotals>([&](ElementTotals& out) {
        using namespace checked;
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
        out = {r, add(mul(coilX, coilCount), mul(ctX, ctCount))};
    });
}

ReactorImpedance calculateReactor(const ReactorTexts& in) {
    return runChecked<ReactorImpedance>([&](ReactorImpedance& out) {
        using namespace checked;
        const double ip = number(in.ip);
        if (ip == 0.0) return;
        const double pp = number(in.pp), l = number(in.l), m = number(in.m), f = number(in.f);
        const double r = mul(1000.0, div(pp, mul(ip, ip)));
        out = {true, r, mul(1000.0, mul(sub(l, m), mul(f, kReactorOmegaFactor)))};
    });
}

}  // namespace ampera
