#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/calculation.h"
#include "model/calculation_steps.h"
#include "model/checks_run.h"
#include "model/report_content.h"
#include "tests/calculation_cases.h"

using namespace ampera;
using namespace ampera::model;

namespace {

// The worked example's transformer, calculated.
void workedExample(Calculation& c) {
    cases::transformer(c);
    applyFault(c, calculateFault(faultTexts(c.main)));
}

}  // namespace

// Every part names each of its texts once, and the start texts are those the windows are made with.
TEST(Model, FieldsAreNamedOnceWithTheirStartTexts) {
    Calculation c;
    for (Part p : kParts) {
        std::set<std::string> names;
        for (const Field& f : c.fields(p)) EXPECT_TRUE(names.insert(f.name).second) << partName(p) << "." << f.name;
    }
    EXPECT_EQ(*Calculation::startText(Part::Main, "txtR11"), "0");
    EXPECT_EQ(*Calculation::startText(Part::Summary, "Label14"), "ЛИНИЯ №2");
    EXPECT_EQ(*Calculation::startText(Part::Summary, "Label54"), "Rp,мОм =");
    EXPECT_EQ(Calculation::startText(Part::Main, "txtNone"), nullptr);
}

// Observers hear of a text only when it changes; reset brings back the start texts and says which changed.
TEST(Model, ChangesAreToldAndResetRestores) {
    Calculation c;
    std::vector<const std::string*> heard;
    const int id = c.observe([&](const std::string* t) { heard.push_back(t); });
    c.set(c.main.current, "12,2309");
    c.set(c.main.current, "12,2309");
    enterReactor(c, false);  // the reactor is still 0: nothing changes
    EXPECT_EQ(heard, std::vector<const std::string*>{&c.main.current});

    c.set(c.reactor.ip, "100");
    c.set(c.checks.t, "0,2");
    c.set(c.main.lines[0].r1, "5");
    heard.clear();
    reset(c);
    EXPECT_EQ(heard, (std::vector<const std::string*>{&c.main.current, &c.reactor.ip, &c.checks.t}));
    EXPECT_EQ(c.reactor.ip, "");
    EXPECT_EQ(c.main.lines[0].r1, "5");  // the main window's slots stay
    c.unobserve(id);
    c.set(c.main.current, "1");
    EXPECT_EQ(heard.size(), 3u);
}

// A line entry writes its slot and its description, the heading kept; an element entry replaces its group.
TEST(Model, EntriesWriteTheirSlotAndDescription) {
    Calculation c;
    chooseSlot(c, 2);
    EXPECT_EQ(c.main.slotMarks, (std::array<std::string, 3>{"0", "2", "0"}));
    EXPECT_TRUE(c.main.slotIsCurrent(2));
    EXPECT_FALSE(c.main.slotIsCurrent(1));

    enterLine(c, 2, {"15", "1,2", "30", "2,4"}, {.description = "ААБ 3х95", .length = "длина 50,м", .r1 = "r"});
    EXPECT_EQ(c.main.lines[1].x0, "2,4");
    EXPECT_EQ(c.summary.lines[1].heading, "ЛИНИЯ №2");
    EXPECT_EQ(c.summary.lines[1].description, "ААБ 3х95");
    EXPECT_EQ(c.summary.lines[0].description, "");

    ElementSummary first;
    first.cable = "соединение,шт 2";
    first.currentTransformerHeading = "обм.тр-ров тока,класс1";
    first.currentTransformer = "ко-во обмоток,шт 1";
    enterElementGroup(c, 3, {"0,1", "0,05"}, first);
    ElementSummary second;
    second.coils = "ко-во катушек,шт 1";
    second.currentTransformerHeading.clear();
    enterElementGroup(c, 3, {"0,7", "0,2"}, second);
    const ElementSummary& s = c.summary.elements[2];
    EXPECT_EQ(c.main.elements[2].r, "0,7");
    EXPECT_EQ(s.cable, "");
    EXPECT_EQ(s.currentTransformer, "");
    EXPECT_EQ(s.currentTransformerHeading, "");
    EXPECT_EQ(s.coils, "ко-во катушек,шт 1");
    EXPECT_EQ(s.cableHeading, "конт.соединение кабелей");
}

// The arc page and the motor page hand their current to the main window only when ticked.
TEST(Model, ArcAndMotorHandOverTheCurrent) {
    Calculation c;
    workedExample(c);
    ArcMotorTexts& a = c.arcMotor;
    c.set(a.kc, "0,7");
    c.set(a.zk, "18,9");
    c.set(a.id, "8,5616");
    confirmArc(c);
    EXPECT_EQ(c.main.current, "12,2309");
    EXPECT_EQ(c.summary.arcKc, "коэффициент Кс ");
    c.set(a.arcToMain, "1");
    confirmArc(c);
    EXPECT_EQ(c.main.current, "8,5616");
    EXPECT_EQ(c.summary.arcKc, "коэффициент Кс 0,7");
    EXPECT_EQ(a.arcConfirmed, "1");

    // The motor feed is added to the current as calculated, not to the arc's.
    takeCalculatedCurrent(c);
    EXPECT_EQ(a.mainCurrent, "12,2309");
    confirmMotor(c, "13,0309");
    EXPECT_EQ(c.main.current, "12,2309");
    c.set(a.motorToMain, "1");
    confirmMotor(c, "13,0309");
    EXPECT_EQ(c.main.current, "13,0309");
    EXPECT_EQ(a.motorConfirmed, "1");
}

// The report comes from the calculation alone, the checks block included.
TEST(Model, ReportFromTheCalculation) {
    Calculation c;
    workedExample(c);
    enterLine(c, 1, {"1", "2", "3", "4"}, {.description = "кабель АВВГ", .length = "длина 10,м"});
    applyFault(c, calculateFault(faultTexts(c.main)));
    c.set(c.checks.t, "0,2");
    c.set(c.checks.theta, "160");
    c.set(c.checks.in, "160");
    c.set(c.checks.device, "2");

    const ReportData d = reportData(c, true);
    EXPECT_EQ(d.st, "400");
    EXPECT_TRUE(d.deltaY);
    EXPECT_TRUE(d.threePhase);
    EXPECT_EQ(d.line1[0], "кабель АВВГ");
    EXPECT_EQ(d.computedCurrent, c.main.computedCurrent);
    EXPECT_FALSE(d.reactor);
    EXPECT_FALSE(d.arc);
    ASSERT_FALSE(d.checks.empty());
    EXPECT_EQ(d.checks[0], "время отключения КЗ, с = 0,2");
    EXPECT_EQ(d.checks[2], "защитный аппарат = автоматический выключатель, характеристика C");
    EXPECT_EQ(d.checks[3], "Iном аппарата, А = 160");
    EXPECT_EQ(d.checks[5], "защищаемый участок = последний участок с линией");
    EXPECT_EQ(d.checks[6], "цепь = конечная (групповая)");
    EXPECT_EQ(d.checks[d.checks.size() - 7].rfind("чувствительность защиты", 0), 0u);
    EXPECT_EQ(d.checks[d.checks.size() - 6].rfind("время отключения обеспечено: t ≤ 0,4 с", 0), 0u);
    EXPECT_EQ(d.checks[d.checks.size() - 5], "ТОКИ КЗ ПО ТОЧКАМ");
    // the checks' results are held too: the device of line 1 at K1, the end of the loop K4 being "Расчет"
    EXPECT_EQ(c.checks.points[3].ik3, c.main.computedCurrent);
    EXPECT_EQ(c.checks.ik3, c.checks.points[0].ik3);

    EXPECT_TRUE(reportData(c, false).checks.empty());
    c.set(c.main.st, "4OO");
    EXPECT_TRUE(checksReportLines(c).empty());
    EXPECT_EQ(c.checks.ik3, "");
}

// The table of points is filled whatever the device's inputs hold and emptied when the loop or θк fails; the
// points the results belong to follow the section, whose stored item falls back to the automatic one.
TEST(Model, ChecksFillTheTableOfPoints) {
    Calculation c;
    workedExample(c);
    enterLine(c, 2, {"10", "4", "20", "8"}, {});
    c.set(c.checks.t, "0,1");
    c.set(c.checks.theta, "160");
    c.set(c.checks.section, "9");  // no item: the last line, slot 2
    const PointRows expected = calculatePoints(faultTexts(c.main), "160").rows;
    runChecks(c);
    EXPECT_EQ(c.checks.points, expected);
    EXPECT_EQ(c.checks.sectionLabel, "аппарат в точке K2 (РУ-0,4), конец линии K3 (СЩ)");
    EXPECT_EQ(c.checks.atEnd, "K3 (СЩ): Iк(1) макс., Кс, Iк(1) мин.");
    EXPECT_EQ(c.checks.ik3, expected[1].ik3);
    const struct {
        std::string ChecksTexts::*field;
        const char* text;
        bool table;
    } inputs[] = {{&ChecksTexts::icu, "0", true}, {&ChecksTexts::t, "abc", true}, {&ChecksTexts::theta, "64", false}};
    for (const auto& in : inputs) {
        c.set(c.checks.*in.field, in.text);
        EXPECT_NE(runChecks(c).failure, CheckFailure::None) << in.text;
        EXPECT_EQ(c.checks.atDevice, "") << in.text;
        EXPECT_EQ(c.checks.points, in.table ? expected : PointRows{}) << in.text;
    }
}
