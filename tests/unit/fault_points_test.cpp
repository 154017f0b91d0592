#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/arc_motor.h"
#include "core/fault_checks.h"
#include "core/fault_points.h"

using namespace ampera;

namespace {

using Field = std::string FaultTexts::*;

// The fields of each section between two points: line slot n and element group n.
const Field kSections[kSectionCount][6] = {
    {&FaultTexts::r11, &FaultTexts::x11, &FaultTexts::r01, &FaultTexts::x01, &FaultTexts::rd, &FaultTexts::xd},
    {&FaultTexts::r12, &FaultTexts::x12, &FaultTexts::r02, &FaultTexts::x02, &FaultTexts::rd1, &FaultTexts::xd1},
    {&FaultTexts::r13, &FaultTexts::x13, &FaultTexts::r03, &FaultTexts::x03, &FaultTexts::rd2, &FaultTexts::xd2},
};

FaultTexts zeroLoop(TransformerTexts t) {
    FaultTexts f;
    f.transformer = t;
    for (const auto& section : kSections)
        for (Field v : section) f.*v = "0";
    for (Field v : {&FaultTexts::rr, &FaultTexts::xr, &FaultTexts::r0y, &FaultTexts::x0y}) f.*v = "0";
    return f;
}

const TransformerTexts kExample{"400", "10", "400", "5,5", "4,5", "10"};

// A line in slot n (r1, x1, r0, x0) and the elements of group n (rd, xd).
void fill(FaultTexts& f, int n, std::array<const char*, 6> values) {
    for (int k = 0; k < 6; ++k) f.*kSections[n - 1][k] = values[k];
}

// The loop ending at point Kk: every section behind it left empty of values.
FaultTexts cutAt(FaultTexts f, int point) {
    for (int n = point; n <= kSectionCount; ++n)
        for (Field v : kSections[n - 1]) f.*v = "0";
    return f;
}

FaultTexts withMode(FaultTexts f, FaultMode mode) {
    f.mode = mode;
    return f;
}

CheckTexts checks(const FaultTexts& f, SectionItem section = SectionItem::LoopEnd) {
    CheckTexts in;
    in.fault = f;
    in.t = "0,1";
    in.theta = "160";
    in.in = "63";
    in.icu = "15";
    in.s = "35";
    in.section = section;
    return in;
}

// Loops of every kind: no lines, a whole chain with elements, reactor and Y/Y
// additions, lines long enough for the arc limit, an unlimited supply.
std::vector<FaultTexts> loops() {
    std::vector<FaultTexts> all;
    all.push_back(zeroLoop(kExample));
    FaultTexts chain = zeroLoop(kExample);
    fill(chain, 1, {"3,2", "1,7", "9,6", "5,1", "0,4", "0,2"});
    fill(chain, 2, {"12,5", "2,04", "37,5", "6,12", "1,1", "0,6"});
    fill(chain, 3, {"48,333", "3,9", "145", "11,7", "2,35", "0"});
    chain.rr = "1,2";
    chain.xr = "6,8";
    chain.r0y = "55,8";
    chain.x0y = "149";
    all.push_back(chain);
    FaultTexts longLines = zeroLoop({"250", "6", "400", "3,7", "4,5", "12,5"});
    fill(longLines, 1, {"40", "8", "120", "24", "0", "0"});
    fill(longLines, 3, {"600,00005", "30", "1800", "90", "0,75", "0,1"});
    all.push_back(longLines);
    FaultTexts unlimited = zeroLoop({"1000", "10", "380", "12,2", "5,5", "0"});
    fill(unlimited, 2, {"0", "0", "0", "0", "0,85", "0,35"});
    fill(unlimited, 3, {"7,4", "2,9", "22,2", "8,7", "0,7", "0,3"});
    all.push_back(unlimited);
    return all;
}

std::string text(double v) { return Fixed4::fromDouble(v).value.toText(); }
double number(const std::string& text) { return Fixed4::parse(text).value.toDouble(); }

}  // namespace

// Each point is the calculation and the checks of the loop cut there; K4 is the whole loop.
TEST(FaultPoints, EachPointIsTheLoopCutThere) {
    for (const FaultTexts& loop : loops()) {
        const PointsResult points = calculatePoints(loop, "160");
        ASSERT_EQ(points.failure, CheckFailure::None);
        for (int k = 1; k <= kPointCount; ++k) {
            SCOPED_TRACE(testing::Message() << loop.r13 << " K" << k);
            const FaultTexts cut = cutAt(loop, k);
            const FaultResult three = calculateFault(withMode(cut, FaultMode::ThreePhase));
            const FaultResult single = calculateFault(withMode(cut, FaultMode::SinglePhase));
            const CheckResult check = calculateChecks(checks(cut));
            const PointRow& row = points.rows[k - 1];
            EXPECT_EQ(row.rsum, three.rSumText());
            EXPECT_EQ(row.xsum, three.xSumText());
            EXPECT_EQ(row.ik3, three.currentText());
            EXPECT_EQ(row.ik1, single.currentText());
            EXPECT_EQ(row.ik2, check.ik2);
            EXPECT_EQ(row.iud, check.iud);
            EXPECT_EQ(row.ik1min, check.ik1min);
        }
        for (FaultMode mode : {FaultMode::ThreePhase, FaultMode::SinglePhase}) {
            const FaultResult whole = calculateFault(withMode(loop, mode));
            EXPECT_EQ(points.rows[3].rsum, whole.rSumText());
            EXPECT_EQ(points.rows[3].xsum, whole.xSumText());
            EXPECT_EQ(mode == FaultMode::ThreePhase ? points.rows[3].ik3 : points.rows[3].ik1, whole.currentText());
        }
        EXPECT_EQ(calculateChecks(checks(loop)).points, points.rows);
    }
}

TEST(FaultPoints, OnlySlotTwoFilled) {
    FaultTexts f = zeroLoop(kExample);
    f.r12 = "10", f.x12 = "4", f.r02 = "20", f.x02 = "8";
    const PointRows rows = calculatePoints(f, "160").rows;
    EXPECT_EQ(rows[0], rows[1]);  // nothing between K1 and K2
    EXPECT_EQ(rows[2], rows[3]);  // nor between K3 and K4
    EXPECT_EQ(rows[1].rsum, "5,5");
    EXPECT_EQ(rows[1].xsum, "18,0629");
    EXPECT_EQ(rows[2].rsum, "15,5");
    EXPECT_EQ(rows[2].xsum, "22,0629");
    // The same line in slot 1 gives the same currents at K3.
    FaultTexts first = zeroLoop(kExample);
    first.r11 = "10", first.x11 = "4", first.r01 = "20", first.x01 = "8";
    EXPECT_EQ(calculatePoints(first, "160").rows[2], rows[2]);
    EXPECT_EQ(protectedLine(SectionItem::LastLine, f), 2);
}

TEST(FaultPoints, ReactorBelongsToK1) {
    FaultTexts f = zeroLoop(kExample);
    const PointRow without = calculatePoints(f, "160").rows[0];
    f.rr = "3", f.xr = "7";
    const PointRows rows = calculatePoints(f, "160").rows;
    EXPECT_EQ(rows[0].rsum, "8,5");
    EXPECT_EQ(rows[0].xsum, "25,0629");
    EXPECT_NE(rows[0].ik3, without.ik3);
    for (const PointRow& row : rows) EXPECT_EQ(row, rows[0]);
}

// Iк(1) макс. and Iк(1) мин. at every point, by the formulas written out:
//   R = 2·(RΣ + ΔR) + r0y + Rт + Kθ·Σr0, ΔR = (Kθ − 1)·Σr1, X = 2·XΣ + x0y + Xт + Σx0
// over the point's own line slots, with the Y/Y additions everywhere.
TEST(FaultPoints, SinglePhaseLoopPerPoint) {
    FaultTexts f = zeroLoop(kExample);
    fill(f, 1, {"10", "4", "20", "8", "0", "0"});
    fill(f, 2, {"25", "6", "75", "18", "0", "0"});
    fill(f, 3, {"60", "9", "180", "27", "0", "0"});
    const TransformerImpedance t = transformerImpedance(kExample);
    const double r1[] = {0, 10, 35, 95}, r0[] = {0, 20, 95, 275}, x0[] = {0, 8, 26, 53};
    const struct {
        const char *r0y, *x0y, *theta;
    } cases[] = {{"0", "0", "65"}, {"55,8", "149", "65"}, {"55,8", "149", "160"}, {"0", "0", "250"}};
    for (const auto& c : cases) {
        f.r0y = c.r0y, f.x0y = c.x0y;
        const PointRows rows = calculatePoints(f, c.theta).rows;
        const double kt = heatingFactor(number(c.theta));
        for (int k = 0; k < kPointCount; ++k) {
            SCOPED_TRACE(testing::Message() << c.r0y << " " << c.theta << " K" << k + 1);
            const double rsum = number(rows[k].rsum), xsum = number(rows[k].xsum);
            EXPECT_DOUBLE_EQ(rsum, 5.5 + r1[k]);
            const double ry = number(c.r0y), xy = number(c.x0y);
            const double x = 2 * xsum + xy + *t.xt + x0[k];
            const double cold = std::hypot(2 * rsum + ry + *t.rt + r0[k], x);
            const double heated = std::hypot(2 * (rsum + (kt - 1) * r1[k]) + ry + *t.rt + kt * r0[k], x);
            const double kc = arcCoefficient(std::min(heated / 3, 250.0)).value;
            EXPECT_EQ(rows[k].ik1, text(std::sqrt(3.0) * 400 / cold));
            EXPECT_EQ(rows[k].ik1min, text(kc * std::sqrt(3.0) * 400 / heated));
        }
    }
}
