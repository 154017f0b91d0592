#include <gtest/gtest.h>

#include "core/chain_points.h"
#include "core/fault_checks.h"

using namespace ampera;

namespace {

FaultTexts noLines() {
    FaultTexts f;
    f.transformer = {"400", "10", "400", "5,5", "4,5", "10"};
    for (std::string* v : {&f.r11, &f.x11, &f.r12, &f.x12, &f.r13, &f.x13, &f.rd,  &f.xd,  &f.rd1, &f.xd1, &f.rd2,
                           &f.xd2, &f.rr,  &f.xr,  &f.r01, &f.x01, &f.r02, &f.x02, &f.r03, &f.x03, &f.r0y, &f.x0y})
        *v = "0";
    return f;
}

// Three sections with lines and elements, the reactor and Y/Y additions.
FaultTexts threeSections() {
    FaultTexts f = noLines();
    f.r11 = "3,2", f.x11 = "1,7", f.r01 = "9,6", f.x01 = "5,1", f.rd = "0,4", f.xd = "0,2";
    f.r12 = "12,5", f.x12 = "2,04", f.r02 = "37,5", f.x02 = "6,12", f.rd1 = "1,1", f.xd1 = "0,6";
    f.r13 = "48,333", f.x13 = "3,9", f.r03 = "145", f.x03 = "11,7", f.rd2 = "2,35";
    f.rr = "1,2", f.xr = "6,8", f.r0y = "55,8", f.x0y = "149";
    return f;
}

// The loop ending at point Kk: the sections behind it hold zeros.
FaultTexts cutAt(FaultTexts f, int point) {
    std::string* sections[kSectionCount][6] = {{&f.r11, &f.x11, &f.r01, &f.x01, &f.rd, &f.xd},
                                               {&f.r12, &f.x12, &f.r02, &f.x02, &f.rd1, &f.xd1},
                                               {&f.r13, &f.x13, &f.r03, &f.x03, &f.rd2, &f.xd2}};
    for (int n = point; n <= kSectionCount; ++n)
        for (std::string* v : sections[n - 1]) *v = "0";
    return f;
}

CheckTexts checks(const FaultTexts& f, SectionItem section) {
    CheckTexts in;
    in.fault = f;
    in.t = "0,2";
    in.theta = "160";
    in.in = "100";
    in.icu = "10";
    in.s = "25";
    in.cable = CableInsulation::CopperPvc;
    in.section = section;
    return in;
}

}  // namespace

TEST(ChainPoints, SectionResolution) {
    const struct {
        const char* what;
        void (*change)(FaultTexts&);
        int last;
    } cases[] = {
        {"no line", [](FaultTexts&) {}, 1},
        {"elements only", [](FaultTexts& f) { f.rd2 = "5", f.xd2 = "1"; }, 1},
        {"slot 1", [](FaultTexts& f) { f.r11 = "3"; }, 1},
        {"slot 2 by x0 only", [](FaultTexts& f) { f.x02 = "0,0001"; }, 2},
        {"slots 1 and 3", [](FaultTexts& f) { f.r11 = "3", f.x13 = "1"; }, 3},
        {"slot 3 rounds to zero", [](FaultTexts& f) { f.r12 = "2", f.r03 = "0,00004"; }, 2},
        {"slot 3 written 0,000", [](FaultTexts& f) { f.r13 = "0,000", f.x13 = "-0"; }, 1},
        {"slot 3 not a number", [](FaultTexts& f) { f.r03 = "x"; }, 3},
    };
    for (const auto& c : cases) {
        FaultTexts f = noLines();
        c.change(f);
        EXPECT_EQ(protectedLine(SectionItem::LastLine, f), c.last) << c.what;
        EXPECT_EQ(protectedLine(SectionItem::Line1, f), 1) << c.what;
        EXPECT_EQ(protectedLine(SectionItem::Line2, f), 2) << c.what;
        EXPECT_EQ(protectedLine(SectionItem::Line3, f), 3) << c.what;
        EXPECT_EQ(protectedLine(SectionItem::LoopEnd, f), 0) << c.what;
    }
}

// The device's values are those of the loop cut at its point Kn, the
// sensitivity those of the loop cut at the line's end K(n+1); both are rows
// of the table.
TEST(ChainPoints, ChecksUseTheDevicePointAndTheLineEnd) {
    const FaultTexts f = threeSections();
    const struct {
        SectionItem item;
        int line;
    } cases[] = {{SectionItem::LastLine, 3}, {SectionItem::Line1, 1}, {SectionItem::Line2, 2}, {SectionItem::Line3, 3}};
    const CheckResult loopEnd = calculateChecks(checks(f, SectionItem::LoopEnd));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const CheckResult r = calculateChecks(checks(f, c.item));
        ASSERT_EQ(r.failure, CheckFailure::None);
        const CheckPoints at{c.line, c.line + 1};
        EXPECT_EQ(r.at, at);
        EXPECT_EQ(r.points, loopEnd.points);
        const PointRow &device = r.points[at.device - 1], &end = r.points[at.end - 1];
        EXPECT_EQ(r.ik3, device.ik3);
        EXPECT_EQ(r.ik2, device.ik2);
        EXPECT_EQ(r.iud, device.iud);
        EXPECT_EQ(r.ik1, end.ik1);
        EXPECT_EQ(r.ik1min, end.ik1min);

        const CheckResult atDevice = calculateChecks(checks(cutAt(f, at.device), SectionItem::LoopEnd));
        for (auto v : {&CheckResult::ik3, &CheckResult::ik2, &CheckResult::ta, &CheckResult::kud, &CheckResult::iud,
                       &CheckResult::bk, &CheckResult::smin})
            EXPECT_EQ(r.*v, atDevice.*v);
        for (Check k : {Check::Breaking, Check::Making, Check::Thermal}) EXPECT_EQ(r.verdict(k), atDevice.verdict(k));
        const CheckResult atEnd = calculateChecks(checks(cutAt(f, at.end), SectionItem::LoopEnd));
        for (auto v : {&CheckResult::ik1, &CheckResult::kt, &CheckResult::kc, &CheckResult::ik1min})
            EXPECT_EQ(r.*v, atEnd.*v);
        EXPECT_EQ(r.verdict(Check::Sensitivity), atEnd.verdict(Check::Sensitivity));
        // The device breaks a larger current than the one at the loop's end.
        EXPECT_GT(Fixed4::parse(r.ik3).value.raw(), Fixed4::parse(loopEnd.ik3).value.raw());
    }
}

TEST(ChainPoints, NoLinesNoElementsJudgeAsBefore) {
    const CheckResult before = calculateChecks(checks(noLines(), SectionItem::LoopEnd));
    for (SectionItem item : {SectionItem::LastLine, SectionItem::Line1, SectionItem::Line2, SectionItem::Line3}) {
        const CheckResult r = calculateChecks(checks(noLines(), item));
        for (auto v : {&CheckResult::ik3, &CheckResult::ik2, &CheckResult::ik1, &CheckResult::ta, &CheckResult::kud,
                       &CheckResult::iud, &CheckResult::kt, &CheckResult::kc, &CheckResult::ik1min, &CheckResult::bk,
                       &CheckResult::smin})
            EXPECT_EQ(r.*v, before.*v);
        EXPECT_EQ(r.verdicts, before.verdicts);
        EXPECT_EQ(r.points, before.points);
        for (const PointRow& row : r.points) EXPECT_EQ(row, r.points[0]);
    }
    EXPECT_EQ(before.at, (CheckPoints{4, 4}));
}
