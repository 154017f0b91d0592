#include "core/transformer_impedance.h"

#include <array>
#include <cmath>

#include "core/checked_math.h"

namespace ampera {

namespace {

void compute(const TransformerTexts& t, TransformerImpedance& out) {
    using namespace checked;
    double u = div(number(t.uf), 1000.0);
    double u2 = mul(u, u);
    double pk = number(t.pk);
    double rt = mul(pk, u2);
    double st = number(t.st);
    rt = div(rt, st);
    rt = mul(rt, 1e6);
    rt = div(rt, st);
    out.rt = rt;

    double ua = div(mul(100.0, pk), st);
    double uk = number(t.uk);
    double ur = sqrt(sub(mul(uk, uk), mul(ua, ua)));
    out.xt = mul(div(mul(ur, u2), st), 1e4);

    double ikz = number(t.i);
    if (ikz != 0.0) {
        double uf = number(t.uf);
        double xs = div(mul(uf, uf), std::sqrt(3.0));
        xs = div(xs, ikz);
        xs = div(xs, number(t.u));
        out.xs = div(xs, 1000.0);
    } else {
        out.xs = 0.0;
    }
}

struct YyRow {
    double st, r0, x0;
};

// clang-format off
constexpr std::array<YyRow, 14> kYyTable{{
    {25, 1650, 1930}, {40, 952, 1269},   {63, 504, 873},     {100, 254, 582},
    {160, 151, 367},  {180, 134, 326},   {250, 96.5, 235},   {320, 69.4, 186},
    {400, 55.8, 149}, {560, 34, 108},    {630, 30.2, 95.8},  {750, 25.4, 80.7},
    {1000, 19.6, 60.6}, {1600, 16.3, 50},
}};
// clang-format on

}  // namespace

TransformerImpedance transformerImpedance(const TransformerTexts& t) {
    return runChecked<TransformerImpedance>([&](TransformerImpedance& out) { compute(t, out); });
}

YyAddition yyAddition(double ratedPowerKva) {
    for (const YyRow& row : kYyTable)
        if (row.st == ratedPowerKva) return {row.r0, row.x0};
    return {};
}

}  // namespace ampera
