#include <gtest/gtest.h>

#include <algorithm>

#include "model/checks_run.h"
#include "model/sheet_content.h"
#include "tests/calculation_cases.h"
#include "tests/unit/network_cases.h"

namespace ampera::model {
namespace {

using Rows = std::vector<SheetRow>;

std::vector<std::string> titles(const SheetContent& s) {
    std::vector<std::string> out;
    for (const SheetSection& section : s.sections) out.push_back(section.title);
    return out;
}

const SheetSection& section(const SheetContent& s, const std::string& title) {
    for (const SheetSection& section : s.sections)
        if (section.title == title) return section;
    throw std::runtime_error("no section " + title);
}

SheetRow group(const std::string& title) { return {{title}, RowStyle::Group}; }

// The transformer's and the supply's rows: every one is printed, empty or not.
Rows transformerRows(const MainTexts& m, const std::string& connection) {
    return {group("Трансформатор"),
            {{"номинальная мощность Sт", m.st, "кВА"}},
            {{"номинальное напряжение обмотки ВН Uвн", m.u, "кВ"}},
            {{"номинальное напряжение обмотки НН Uнн", m.uf, "В"}},
            {{"потери короткого замыкания Pк", m.pk, "кВт"}},
            {{"напряжение короткого замыкания Uк", m.uk, "%"}},
            {{"схема соединения обмоток", connection}},
            {{"активное сопротивление Rт", m.rt, "мОм"}},
            {{"индуктивное сопротивление Xт", m.xt, "мОм"}},
            group("Питающая сеть"),
            {{"ток КЗ на стороне ВН Iкз", m.i, "кА"}},
            {{"сопротивление системы Xс", m.xs, "мОм"}}};
}

Rows lineRows(int n, const std::string& description, const std::string& length, const LineValues& v) {
    return {group("Линия Л" + std::to_string(n) + ": кабель"),
            {{description}},
            {{"длина " + length + ",м"}},
            {{"активное сопротивление прямой последовательности r1", v.r1, "мОм"}},
            {{"индуктивное сопротивление прямой последовательности x1", v.x1, "мОм"}},
            {{"активное сопротивление нулевой последовательности r0", v.r0, "мОм"}},
            {{"индуктивное сопротивление нулевой последовательности x0", v.x0, "мОм"}}};
}

void append(Rows& rows, const Rows& more) { rows.insert(rows.end(), more.begin(), more.end()); }

const std::vector<std::string> kPointCaptions = {"K1 шины 0,4 кВ ТП", "K2 РУ-0,4", "K3 СЩ", "K4 ЭП"};

// The three-section loop with both element groups, a reactor and the checks'
// device inputs, whose checks window was never computed.
TEST(SheetContent, FullLoop) {
    Calculation c;
    cases::threeSections(c);
    cases::reactor(c);
    cases::checks(c, "160", "1", "95");
    const PointTable points = sheetPoints(c);
    const SheetContent s = sheetContent(
        c, {.fileName = "фидер 1.ampera", .printed = "09.12.2026 14:05", .points = points});

    EXPECT_EQ(s.title, "Расчет токов короткого замыкания в сети 0,4 кВ");
    EXPECT_EQ(s.standard, "по ГОСТ 28249-93");
    EXPECT_EQ(s.file, "Файл расчета: фидер 1.ampera");
    EXPECT_EQ(s.printed, "Дата и время печати: 09.12.2026 14:05");
    EXPECT_EQ(s.program, "ampera 1.4");
    EXPECT_EQ(sheetPageText(2, 3), "Лист 2 из 3");
    EXPECT_EQ(titles(s), (std::vector<std::string>{"Исходные данные", "Расчетная схема", "Токи КЗ по точкам",
                                                   "Проверка защитного аппарата и кабеля",
                                                   "Время-токовая характеристика", "Расчетные формулы"}));
    // The device's chart follows the checks, as the checks window draws it.
    EXPECT_EQ(section(s, kChartSectionTitle).kind, SectionKind::TimeChart);
    ASSERT_TRUE(s.chart.has_value());
    ASSERT_EQ(s.chart->devices.size(), 1u);
    EXPECT_EQ(s.chart->devices[0].name, "C 160 А");
    EXPECT_EQ(s.chart->devices[0].zone.upper, checksChart(c).devices[0].zone.upper);

    // The inputs: every slot and the two groups that hold something, the reactor; group 2 is zero.
    const MainTexts& m = c.main;
    ASSERT_FALSE(m.rt.empty());
    Rows inputs = transformerRows(m, "Д/Y");
    append(inputs, lineRows(1, "кабель с медными жилами в стальной оболочке*** 3x240", "50", m.lines[0]));
    append(inputs, lineRows(2, "кабель с алюминиевыми жилами в алюминиевой оболочке 3x95", "120", m.lines[1]));
    append(inputs, lineRows(3, "кабель с алюминиевыми жилами в алюминиевой оболочке 3x25", "30", m.lines[2]));
    append(inputs, {group("Контакты, шины и аппараты, группа 1"),
                    {{"конт.соединение кабелей", "соединение,шт 4 ,сечение,мм.кв 95 ,R,мОм = 0,027"}},
                    {{"суммарное активное сопротивление", "0,108", "мОм"}},
                    {{"суммарное индуктивное сопротивление", "0", "мОм"}},
                    group("Контакты, шины и аппараты, группа 3"),
                    {{"катушки автоматов", "ко-во катушек,шт 2 ,номинал.ток,А 50 ,R,мОм = 7 ,X,мОм = 4,5"}},
                    {{"суммарное активное сопротивление", "14", "мОм"}},
                    {{"суммарное индуктивное сопротивление", "9", "мОм"}},
                    group("Реактор"),
                    {{"потери активной мощности в фазе реактора при Iном,Ррном,Вт 1000"}},
                    {{"номинальный ток реактора, Iрном, А 100"}},
                    {{"индуктивность катушки реактора, L, Гн 0,0001"}},
                    {{"взаимная индукциямежду фазами реактора, М, Гн 0,00002"}},
                    {{"частота напряжения сети, f, Гц 50"}},
                    {{"активное сопротивление Rр", "100", "мОм"}},
                    {{"индуктивное сопротивление Xр", "25,132", "мОм"}}});
    EXPECT_EQ(section(s, "Исходные данные").table.rows, inputs);

    // The points: K4 is the whole loop, its Iк(3) that of "Расчет" to the digit.
    EXPECT_EQ(points[3].ik3, m.computedCurrent);
    const SheetTable& table = section(s, "Токи КЗ по точкам").table;
    EXPECT_EQ(table.header[0].cells, (std::vector<std::string>{"точка", "RΣ, мОм", "XΣ, мОм", "Iк(3), кА", "Iк(2), кА",
                                                               "iуд, кА", "Iк(1) макс., кА", "Iк(1) мин., кА"}));
    ASSERT_EQ(table.rows.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        const PointRow& p = points[k];
        ASSERT_FALSE(p.ik1min.empty());
        EXPECT_EQ(table.rows[k].cells,
                  (std::vector<std::string>{kPointCaptions[k], p.rsum, p.xsum, p.ik3, p.ik2, p.iud, p.ik1, p.ik1min}));
        EXPECT_EQ(s.diagram.points[k].name, "K" + std::to_string(k + 1));
        EXPECT_EQ(s.diagram.points[k].ik3, "Iк(3) = " + p.ik3 + " кА");
        EXPECT_EQ(s.diagram.points[k].ik1min, "Iк(1) мин. = " + p.ik1min + " кА");
    }
    EXPECT_EQ(section(s, "Расчетная схема").kind, SectionKind::Diagram);
    EXPECT_EQ(s.diagram.nodes, (std::array<std::string, 4>{"ТП 10(6)/0,4", "РУ-0,4", "СЩ", "ЭП"}));
    EXPECT_EQ(s.diagram.kinds, (std::array<std::string, 3>{"кабель", "кабель", "кабель"}));

    // The checks, computed for the sheet alone: the calculation keeps no verdict.
    const CheckResult r = calculateChecks(checkTexts(c));
    const auto words = [&r](Check check) { return verdictText(r.verdict(check)); };
    const auto style = [&r](Check check) { return r.verdict(check).fails() ? RowStyle::Fail : RowStyle::Pass; };
    ASSERT_FALSE(words(Check::Sensitivity).empty());
    ASSERT_TRUE(r.verdict(Check::Breaking).fails()) << words(Check::Breaking);
    const Rows checks = {{{"защищаемый участок", "последний участок с линией"}},
                         {{"точки проверки", "аппарат в точке K3 (СЩ), конец линии K4 (ЭП)"}},
                         {{"цепь", "конечная (групповая)"}},
                         {{"время отключения КЗ, с", "0,1"}},
                         {{"температура жил в конце КЗ, °C", "160"}},
                         {{"защитный аппарат", "автоматический выключатель, характеристика C"}},
                         {{"Iном аппарата, А", "160"}},
                         {{"отключающая способность Icu, кА", "1"}},
                         {{"жилы и изоляция кабеля", "алюминий, ПВХ"}},
                         {{"сечение жилы, мм.кв", "95"}},
                         group("Результаты проверки"),
                         {{words(Check::Sensitivity)}, style(Check::Sensitivity)},
                         {{words(Check::Breaking)}, RowStyle::Fail},
                         {{words(Check::Making)}, style(Check::Making)},
                         {{words(Check::Thermal)}, RowStyle::Pass},
                         {{words(Check::Time)}, style(Check::Time)}};
    EXPECT_EQ(section(s, "Проверка защитного аппарата и кабеля").table.rows, checks);
    EXPECT_TRUE(c.checks.sens.empty());

    // After "Расчет" the sheet shows its verdicts and its table, even when an input changed since.
    c.set(c.checks.section, "3");
    runChecks(c);
    const std::string lastIcu = c.checks.icuVerdict;
    c.set(c.checks.icu, "30");
    c.set(c.checks.theta, "65");
    EXPECT_EQ(sheetPoints(c), c.checks.points);
    const SheetContent after = sheetContent(c, {.points = sheetPoints(c)});
    const Rows& rows = section(after, "Проверка защитного аппарата и кабеля").table.rows;
    EXPECT_EQ(rows[0], (SheetRow{{"защищаемый участок", "линия 2: РУ-0,4 — СЩ"}}));
    EXPECT_EQ(rows[1], (SheetRow{{"точки проверки", "аппарат в точке K2 (РУ-0,4), конец линии K3 (СЩ)"}}));
    EXPECT_EQ(rows[rows.size() - 4], (SheetRow{{lastIcu}, RowStyle::Fail}));

    // The formulas, one row each, with their standards.
    std::vector<std::string> names, sources;
    for (const SheetRow& row : section(s, "Расчетные формулы").table.rows) {
        ASSERT_EQ(row.cells.size(), 3u);
        names.push_back(row.cells[0]);
        sources.push_back(row.cells[2]);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Iк(3)", "Iк(1)", "Iк(2)", "Kуд, iуд", "Kθ", "Кс", "Bк", "Sмин"}));
    std::vector<std::string> expected(7, "ГОСТ 28249-93");
    expected.push_back("IEC 60364-5-54");
    EXPECT_EQ(sources, expected);
}

// Nothing entered: the transformer's rows stand empty, no line, group,
// reactor or checks appear, and the points are not computed.
TEST(SheetContent, EmptyLoop) {
    Calculation c;
    const PointTable points = sheetPoints(c);
    const SheetContent s = sheetContent(c, {.printed = "01.01.2027 00:00", .points = points});
    EXPECT_EQ(s.file, "Файл расчета: без имени");
    EXPECT_EQ(titles(s), (std::vector<std::string>{"Исходные данные", "Расчетная схема", "Токи КЗ по точкам",
                                                   "Расчетные формулы"}));
    EXPECT_EQ(section(s, "Исходные данные").table.rows, transformerRows(c.main, ""));
    EXPECT_FALSE(s.chart.has_value());
    const SheetTable& table = section(s, "Токи КЗ по точкам").table;
    ASSERT_EQ(table.rows.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        std::vector<std::string> cells(8);
        cells[0] = kPointCaptions[k];
        EXPECT_EQ(table.rows[k].cells, cells);
        EXPECT_EQ(s.diagram.points[k].ik3, "");
        EXPECT_EQ(s.diagram.points[k].ik1min, "");
    }
}

// A stored verdict fails as the verdict it words; Iуст counts as a device input only for the instantaneous release.
TEST(SheetContent, VerdictsAndDeviceInputs) {
    for (const auto& [check, text, failing] : std::vector<std::tuple<Check, std::string, bool>>{
             {Check::Sensitivity, "чувствительность защиты НЕ обеспечена: Iк(1) мин. = 1 кА < 2 кА", true},
             {Check::Breaking, "отключающая способность НЕДОСТАТОЧНА: Iк(3) = 12 кА > Icu = 3 кА", true},
             {Check::Thermal, "термическая стойкость кабеля обеспечена: S = 95 мм.кв >= Sмин = 73 мм.кв", false},
             {Check::Thermal, "", false}})
        EXPECT_EQ(readVerdict(check, text).value_or(Verdict{check}).fails(), failing) << text;

    Calculation c;
    cases::transformer(c);
    c.set(c.checks.iset, "99");
    const auto hasChecks = [&] {
        const std::vector<std::string> t = titles(sheetContent(c, {}));
        return std::find(t.begin(), t.end(), "Проверка защитного аппарата и кабеля") != t.end();
    };
    EXPECT_FALSE(hasChecks());
    c.set(c.checks.device, "4");
    EXPECT_TRUE(hasChecks());
    EXPECT_TRUE(sheetContent(c, {}).chart.has_value());
    // A fuse outside the gates' table has no zone: the checks without a chart.
    c.set(c.checks.device, "5");
    c.set(c.checks.in, "35");
    const SheetContent fuse = sheetContent(c, {});
    EXPECT_TRUE(hasChecks());
    EXPECT_FALSE(fuse.chart.has_value());
    EXPECT_EQ(std::ranges::count(titles(fuse), std::string(kChartSectionTitle)), 0);
}

// The report and the sheet take the checks from one description and one run: the same inputs in the
// same words, an input of blanks given in neither, and the same verdicts, the sheet's failing ones
// marked by the verdict the calculation holds.
TEST(SheetContent, ReportAndSheetShareTheChecks) {
    Calculation c;
    cases::threeSections(c);
    ChecksTexts& k = c.checks;
    for (auto [field, value] : {std::pair{&k.t, "0,1"},
                                {&k.theta, "160"},
                                {&k.device, "4"},
                                {&k.in, "400"},
                                {&k.iset, " "},
                                {&k.icu, "1"},
                                {&k.s, "95"}})
        c.set(*field, value);
    const std::vector<std::string> report = checksReportLines(c);
    const SheetContent content = sheetContent(c, {.points = sheetPoints(c)});
    const Rows& sheet = section(content, "Проверка защитного аппарата и кабеля").table.rows;

    const std::vector<std::string> inputs = {
        "время отключения КЗ, с = 0,1",
        "температура жил в конце КЗ, °C = 160",
        "защитный аппарат = автоматический выключатель, электромагнитный расцепитель",
        "Iном аппарата, А = 400",
        "отключающая способность Icu, кА = 1",
        "жилы и изоляция кабеля = медь, ПВХ",
        "сечение жилы, мм.кв = 95"};
    ASSERT_GE(report.size(), inputs.size());
    EXPECT_EQ(std::vector(report.begin(), report.begin() + std::ssize(inputs)), inputs);
    std::vector<std::string> sheetInputs;
    for (std::size_t n = 3; n < sheet.size() && sheet[n].style == RowStyle::Normal; ++n)
        sheetInputs.push_back(sheet[n].cells[0] + " = " + sheet[n].cells[1]);
    EXPECT_EQ(sheetInputs, inputs);

    std::vector<SheetRow> verdicts;
    for (Check check : kChecks) {
        const std::string words = verdictText(k.verdict(check));
        if (words.empty()) continue;
        verdicts.push_back({{words}, k.verdict(check).fails() ? RowStyle::Fail : RowStyle::Pass});
        EXPECT_NE(std::ranges::find(report, words), report.end()) << words;
    }
    EXPECT_EQ(Rows(sheet.end() - std::ssize(verdicts), sheet.end()), verdicts);
    EXPECT_TRUE(k.verdict(Check::Breaking).fails());
    EXPECT_EQ(k.verdict(Check::Sensitivity).outcome, Outcome::NotJudged);  // no Iуст
}

// The network's pages: after the checks, its diagram board by board (a long
// board goes on in further strips, four strips to a page) and its landscape
// table, a row per node; none while the network is "ТП" alone.
TEST(SheetContent, NetworkPages) {
    using namespace ampera::network;
    Calculation c;
    Editor e;
    EXPECT_EQ(titles(sheetContent(c, {.network = &e.network(), .results = &e.results()})).size(), 4u);
    sampleNetwork(e);
    const auto content = [&] { return sheetContent(c, {.network = &e.network(), .results = &e.results()}); };
    SheetContent s = content();
    EXPECT_EQ(titles(s), (std::vector<std::string>{"Исходные данные", "Расчетная схема", "Токи КЗ по точкам",
                                                   "Сеть 0,4 кВ: расчетная схема", "Сеть 0,4 кВ: токи КЗ и проверки",
                                                   "Расчетные формулы"}));
    EXPECT_EQ(section(s, "Сеть 0,4 кВ: расчетная схема").kind, SectionKind::NetworkDiagram);
    EXPECT_TRUE(section(s, "Сеть 0,4 кВ: токи КЗ и проверки").landscape);

    // The boards ТП, ЩР-1, ЩР-2, ЩО on one page.
    ASSERT_EQ(s.network.size(), 1u);
    std::vector<std::string> boards;
    for (const NetworkStrip& strip : s.network[0].strips) {
        boards.push_back(strip.busbar + ":");
        for (const NetworkFeeder& f : strip.feeders) boards.back() += " " + f.name;
    }
    EXPECT_EQ(boards, (std::vector<std::string>{"ТП: ЩР-1 ЩР-2 Резерв", "ЩР-1: Гр.1; освещение Гр.2 \"кухня\" Гр.3",
                                                "ЩР-2: ЩО Насосная", "ЩО: ЩО-1 ЩО-2"}));
    const std::string cable20 = catalogueCable(listItems(Column::Cable)[20])->label;
    const NetworkFeeder& shr1 = s.network[0].strips[0].feeders[0];
    EXPECT_EQ(shr1.device, "C 63 А");
    EXPECT_EQ(shr1.cable, cable20 + ", 40 м");
    EXPECT_EQ(shr1.ik3, "Iк(3) = " + textAt(e, "ЩР-1", Column::Ik3) + " кА");
    EXPECT_EQ(shr1.ik1min, "Iк(1) мин. = " + textAt(e, "ЩР-1", Column::Ik1Min) + " кА");
    const NetworkFeeder& shr2 = s.network[0].strips[0].feeders[1];
    EXPECT_EQ(shr2.device, "ЭМ Iуст 1000 А");
    EXPECT_EQ(shr2.cable, "по данным, 80 м, n = 2");
    EXPECT_EQ(s.network[0].strips[0].feeders[2].device, "");
    EXPECT_EQ(s.network[0].strips[3].feeders[1].cable, "");

    // The table: names indented by level, the parent, short forms; a failing verdict fails its row.
    const SheetTable& table = section(s, "Сеть 0,4 кВ: токи КЗ и проверки").table;
    EXPECT_EQ(table.header[0].cells.size(), 19u);
    ASSERT_EQ(table.rows.size(), e.network().size());
    EXPECT_EQ(std::vector(table.rows[0].cells.begin(), table.rows[0].cells.begin() + 3),
              (std::vector<std::string>{"ТП", "", ""}));
    EXPECT_EQ(std::vector(table.rows[1].cells.begin(), table.rows[1].cells.begin() + 6),
              (std::vector<std::string>{"  ЩР-1", "ТП", cable20, "40", "1", "C"}));
    EXPECT_EQ(table.rows[8].cells[0], "      ЩО-2");
    EXPECT_EQ(table.rows[8].cells[2], "нет");
    EXPECT_EQ(table.rows[8].cells[5], "нет");
    int failing = 0;
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const bool fails = std::ranges::count(table.rows[k].cells, std::string("НЕТ")) > 0;
        EXPECT_EQ(table.rows[k].style == RowStyle::Fail, fails) << k;
        failing += fails;
    }
    EXPECT_GT(failing, 0);

    // Thirteen more feeders on ЩО-1 and a board each under four of them: ЩО-1 takes three strips, and the
    // eight strips take two pages.
    const NodeId sho1 = idOf(e, "ЩО-1");
    for (int k = 0; k < 13; ++k) {
        const NodeId f = addNode(e, sho1, {});
        if (k < 4) addNode(e, f, {});
    }
    s = content();
    ASSERT_EQ(s.network.size(), 3u);
    std::vector<std::pair<std::string, std::size_t>> strips;
    for (const NetworkDiagramPage& page : s.network) {
        strips.emplace_back("page", page.strips.size());
        for (const NetworkStrip& strip : page.strips)
            strips.emplace_back(strip.busbar + (strip.continued ? " (продолжение)" : ""), strip.feeders.size());
    }
    EXPECT_EQ(strips, (std::vector<std::pair<std::string, std::size_t>>{{"page", 4},
                                                                        {"ТП", 3},
                                                                        {"ЩР-1", 3},
                                                                        {"ЩР-2", 2},
                                                                        {"ЩО", 2},
                                                                        {"page", 4},
                                                                        {"ЩО-1", 6},
                                                                        {"ЩО-1 (продолжение)", 6},
                                                                        {"ЩО-1 (продолжение)", 1},
                                                                        {"Узел 1", 1},
                                                                        {"page", 3},
                                                                        {"Узел 3", 1},
                                                                        {"Узел 5", 1},
                                                                        {"Узел 7", 1}}));
}

}  // namespace
}  // namespace ampera::model
