#include "model/sheet_content.h"

#include <algorithm>

#include "core/chain_points.h"
#include "core/fault_checks.h"
#include "core/number_text.h"
#include "model/calculation_steps.h"
#include "model/checks_run.h"
#include "model/checks_texts.h"
#include "model/reactor_lines.h"
#include "model/summary_fields.h"
#include "version.h"

namespace ampera::model {

namespace {

const char* const kMilliohm = "мОм";

SheetRow group(const std::string& title) { return {{title}, RowStyle::Group}; }
SheetRow value(const std::string& caption, const std::string& text, const std::string& unit) {
    return {{caption, text, unit}};
}

// ---- 2. the input data

void transformerRows(const MainTexts& m, const SheetInput& in, std::vector<SheetRow>& rows) {
    rows.push_back(group("Трансформатор"));
    if (!in.transformerType.empty()) rows.push_back({{"тип", in.transformerType}});
    rows.push_back(value("номинальная мощность Sт", m.st, "кВА"));
    rows.push_back(value("номинальное напряжение обмотки ВН Uвн", m.u, "кВ"));
    rows.push_back(value("номинальное напряжение обмотки НН Uнн", m.uf, "В"));
    rows.push_back(value("потери короткого замыкания Pк", m.pk, "кВт"));
    rows.push_back(value("напряжение короткого замыкания Uк", m.uk, "%"));
    rows.push_back({{"схема соединения обмоток", m.connection() == Connection::DeltaY ? "Д/Y"
                                                 : m.connection() == Connection::YY   ? "Y/Y"
                                                                                      : ""}});
    rows.push_back(value("активное сопротивление Rт", m.rt, kMilliohm));
    rows.push_back(value("индуктивное сопротивление Xт", m.xt, kMilliohm));
    if (m.connection() == Connection::YY) {
        rows.push_back(value("добавка нулевой последовательности Y/Y, активная", m.r0y, kMilliohm));
        rows.push_back(value("добавка нулевой последовательности Y/Y, индуктивная", m.x0y, kMilliohm));
    }
    rows.push_back(group("Питающая сеть"));
    rows.push_back(value("ток КЗ на стороне ВН Iкз", m.i, "кА"));
    rows.push_back(value("сопротивление системы Xс", m.xs, kMilliohm));
}

void lineRows(const MainTexts& m, const SummaryTexts& s, std::vector<SheetRow>& rows) {
    for (std::size_t n = 0; n < 3; ++n) {
        const LineValues& v = m.lines[n];
        if (!isNotZeroText(v.r1) && !isNotZeroText(v.x1) && !isNotZeroText(v.r0) && !isNotZeroText(v.x0)) continue;
        // Lines 2 and 3 are cables; line 1 is what its option says.
        const std::string kind = n == 0 && m.line1Kind() == Line1Kind::Overhead ? "воздушная линия" : "кабель";
        rows.push_back(group("Линия Л" + std::to_string(n + 1) + ": " + kind));
        const LineSummary& d = s.lines[n];
        // The description is only the kind's word until a line is entered.
        if (!isBlankText(d.description) && d.description != lineKindWord(Line1Kind::Cable) &&
            d.description != lineKindWord(Line1Kind::Overhead))
            rows.push_back({{d.description}});
        if (!isBlankText(d.length)) rows.push_back({{d.length}});
        rows.push_back(value("активное сопротивление прямой последовательности r1", v.r1, kMilliohm));
        rows.push_back(value("индуктивное сопротивление прямой последовательности x1", v.x1, kMilliohm));
        rows.push_back(value("активное сопротивление нулевой последовательности r0", v.r0, kMilliohm));
        rows.push_back(value("индуктивное сопротивление нулевой последовательности x0", v.x0, kMilliohm));
    }
}

void elementRows(const MainTexts& m, const SummaryTexts& s, std::vector<SheetRow>& rows) {
    for (std::size_t g = 0; g < 3; ++g) {
        const Impedance& z = m.elements[g];
        if (!isNotZeroText(z.r) && !isNotZeroText(z.x)) continue;
        rows.push_back(group("Контакты, шины и аппараты, группа " + std::to_string(g + 1)));
        const ElementSummary& e = s.elements[g];
        for (const ElementSummaryLabels& l : kElementSummaryLabels)
            if (!isBlankText(e.*l.description)) rows.push_back({{e.*l.heading, e.*l.description}});
        rows.push_back(value("суммарное активное сопротивление", z.r, kMilliohm));
        rows.push_back(value("суммарное индуктивное сопротивление", z.x, kMilliohm));
    }
}

void reactorRows(const MainTexts& m, const SummaryTexts& s, std::vector<SheetRow>& rows) {
    if (!isNotZeroText(m.reactor.r) && !isNotZeroText(m.reactor.x)) return;
    rows.push_back(group("Реактор"));
    // The summary's data lines (Ррном, Iрном, L, M, f) once an entry has put its values behind them.
    static const SummaryTexts start;
    for (std::size_t k = 0; k < kReactorData.size(); ++k)
        if (s.reactor[k] != start.reactor[k] && !isBlankText(s.reactor[k])) rows.push_back({{s.reactor[k]}});
    rows.push_back(value("активное сопротивление Rр", m.reactor.r, kMilliohm));
    rows.push_back(value("индуктивное сопротивление Xр", m.reactor.x, kMilliohm));
}

SheetSection inputSection(const Calculation& c, const SheetInput& in) {
    SheetSection s{.title = "Исходные данные"};
    s.table.widths = {62, 25, 13};
    s.table.header = {{{"величина", "значение", "ед. изм."}}};
    transformerRows(c.main, in, s.table.rows);
    lineRows(c.main, c.summary, s.table.rows);
    elementRows(c.main, c.summary, s.table.rows);
    reactorRows(c.main, c.summary, s.table.rows);
    return s;
}

// ---- 3. and 4. the points

SheetDiagram diagram(const MainTexts& m, const PointTable& points) {
    SheetDiagram d{.nodes = {"ТП 10(6)/0,4", "РУ-0,4", "СЩ", "ЭП"},
                   .lines = {"Л1", "Л2", "Л3"},
                   .kinds = {m.line1Kind() == Line1Kind::Overhead ? "ВЛ" : "кабель", "кабель", "кабель"}};
    for (std::size_t k = 0; k < d.points.size(); ++k) {
        DiagramPoint& p = d.points[k];
        p.name = "K" + std::to_string(k + 1);
        if (!points[k].ik3.empty()) p.ik3 = "Iк(3) = " + points[k].ik3 + " кА";
        if (!points[k].ik1min.empty()) p.ik1min = "Iк(1) мин. = " + points[k].ik1min + " кА";
    }
    return d;
}

SheetSection pointSection(const PointTable& points) {
    SheetSection s{.title = "Токи КЗ по точкам"};
    s.table.widths = {23, 11, 11, 11, 11, 11, 11, 11};
    SheetRow header{{"точка"}};
    for (const PointColumn& col : kPointColumns) header.cells.push_back(col.head);
    s.table.header = {header};
    for (std::size_t k = 0; k < points.size(); ++k) {
        SheetRow row{{pointCaption(static_cast<int>(k) + 1)}};
        for (const PointColumn& col : kPointColumns) row.cells.push_back(points[k].*col.cell);
        s.table.rows.push_back(row);
    }
    return s;
}

// ---- 5. the checks

SheetSection checksSection(const Calculation& c, const std::vector<InputLine>& inputs) {
    const ChecksTexts& k = c.checks;
    const CheckTexts read = checkTexts(c);
    SheetSection s{.title = "Проверка защитного аппарата и кабеля"};
    s.table.widths = {50, 50};
    s.table.header = {{{"величина", "значение"}}};
    std::vector<SheetRow>& rows = s.table.rows;
    rows.push_back({{kSectionInput.caption, sectionItemText(read.section)}});
    rows.push_back({{"точки проверки", sectionLabel(protectedLine(read.section, read.fault))}});
    rows.push_back({{kCircuitInput.caption, circuitText(static_cast<int>(read.circuit))}});
    for (const InputLine& in : inputs) rows.push_back({{in.caption, in.text}});

    // The verdicts of the last "Расчет" with their words as shown; without one, computed here.
    const bool computed = !k.ik3.empty();
    const Verdicts verdicts = computed ? k.verdicts : checksSummary(c).result.verdicts;
    std::vector<SheetRow> results;
    for (const VerdictField& f : kVerdictFields) {
        const Verdict& v = verdicts[static_cast<std::size_t>(f.check)];
        const std::string words = computed ? k.*f.member : verdictText(v);
        if (!words.empty()) results.push_back({{words}, v.fails() ? RowStyle::Fail : RowStyle::Pass});
    }
    if (!results.empty()) rows.push_back(group("Результаты проверки"));
    rows.insert(rows.end(), results.begin(), results.end());
    return s;
}

// ---- 6. the formulas

SheetSection formulaSection() {
    SheetSection s{.title = "Расчетные формулы"};
    s.table.widths = {13, 65, 22};
    s.table.header = {{{"величина", "формула", "источник"}}};
    const char* const gost = "ГОСТ 28249-93";
    s.table.rows = {
        {{"Iк(3)", "Iк(3) = Uнн / (√3·√(RΣ² + XΣ²))", gost}},
        {{"Iк(1)", "Iк(1) = √3·Uнн / √((2R1Σ + R0Σ)² + (2X1Σ + X0Σ)²)", gost}},
        {{"Iк(2)", "Iк(2) = Iк(3)·√3/2", gost}},
        {{"Kуд, iуд",
          "iуд = √2·Kуд·Iк(3); Kуд = 1 + sin φк·e^(−tуд/Ta), Ta = XΣ/(ωRΣ), tуд = 0,01·(π/2 + φк)/π; "
          "Kуд = 2 при RΣ = 0",
          gost}},
        {{"Kθ",
          "Kθ = (1 + 0,004·(θк − 20)) / (1 + 0,004·(65 − 20)): отношение сопротивления жил при θк к "
          "сопротивлению при 65 °C",
          gost}},
        {{"Кс",
          "Кс = 0,6 − 0,0025·Zк + 0,114·√Zк − 0,13·∛Zк, Zк ≤ 250 мОм; Iк(1) мин. = Кс·Iк(1) при "
          "сопротивлении линий, умноженном на Kθ",
          gost}},
        {{"Bк", "Bк = Iк(3)²·(tоткл + Ta), кА²·с", gost}},
        {{"Sмин", "Sмин = 1000·√Bк / k, k = 115, 76, 143, 94 (медь/алюминий, ПВХ/сшитый полиэтилен)",
          "IEC 60364-5-54"}},
    };
    return s;
}

}  // namespace

PointTable sheetPoints(const Calculation& c) {
    const PointTable& shown = c.checks.points;
    for (const PointRow& row : shown)
        for (const PointColumn& col : kPointColumns)
            if (!(row.*col.cell).empty()) return shown;
    const std::string theta = isBlankText(c.checks.theta) ? std::string(kDefaultTheta) : c.checks.theta;
    return calculatePoints(faultTexts(c.main), theta).rows;
}

std::string sheetPageText(int page, int pages) {
    return "Лист " + std::to_string(page) + " из " + std::to_string(pages);
}

SheetContent sheetContent(const Calculation& c, const SheetInput& in) {
    SheetContent s;
    s.title = "Расчет токов короткого замыкания в сети 0,4 кВ";
    s.standard = "по ГОСТ 28249-93";
    s.file = "Файл расчета: " + (in.fileName.empty() ? std::string("без имени") : in.fileName);
    s.printed = "Дата и время печати: " + in.printed;
    s.program = std::string("ampera ") + AMPERA_VERSION;
    s.sections.push_back(inputSection(c, in));
    s.sections.push_back({.title = "Расчетная схема", .kind = SectionKind::Diagram});
    s.diagram = diagram(c.main, in.points);
    s.sections.push_back(pointSection(in.points));
    // The checks' section only when the checks window holds a value of the device or the cable.
    const std::vector<InputLine> inputs = checkInputLines(c);
    if (std::ranges::any_of(inputs, [](const InputLine& in) { return in.deviceValue; })) {
        s.sections.push_back(checksSection(c, inputs));
        if (TimeChart chart = checksChart(c); !chart.devices.empty()) {
            s.sections.push_back({.title = kChartSectionTitle, .kind = SectionKind::TimeChart});
            s.chart = std::move(chart);
        }
    }
    if (in.network && in.results && hasNetworkPages(*in.network)) {
        s.sections.push_back({.title = kNetworkDiagramTitle, .kind = SectionKind::NetworkDiagram});
        s.network = networkDiagram(*in.network, *in.results);
        s.sections.push_back(
            {.title = kNetworkTableTitle, .table = networkTable(*in.network, *in.results), .landscape = true});
    }
    s.sections.push_back(formulaSection());
    return s;
}

}  // namespace ampera::model
