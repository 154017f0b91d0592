// The network's pages of the sheet: the diagram on portrait pages of its own,
// the landscape table on landscape pages, the footer counting every page, in
// a PDF and in a print preview alike.
#include <gtest/gtest.h>

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <string>

#include "model/sheet_content.h"
#include "tests/calculation_cases.h"
#include "ui/sheet_output.h"
#include "ui/sheet_painter.h"

namespace ampera {
namespace {

// A feeder with every text as long as a real one gets.
model::NetworkFeeder feeder(int k, bool fails) {
    return {.device = "ЭМ 250 А Iуст 2500 А",
            .cable = "3x150 + 1x70, 120 м, n = 2",
            .name = "ЩР-" + std::to_string(10 + k) + " Корпус 3",
            .ik3 = "Iк(3) = 12,2309 кА",
            .ik1min = "Iк(1) мин. = 0,2044 кА",
            .failure = fails ? "НЕТ: чувствительность, Icu, Icm, нагрев" : ""};
}

// The network's diagram: a full page of four strips of six feeders, the last
// feeder of each failing, and a page with a board's continued strip.
std::vector<model::NetworkDiagramPage> diagram() {
    std::vector<model::NetworkDiagramPage> pages(2);
    for (int s = 0; s < 4; ++s) {
        model::NetworkStrip strip{.busbar = "РУ-" + std::to_string(s + 1) + " Корпус 3"};
        for (int k = 0; k < 6; ++k) strip.feeders.push_back(feeder(6 * s + k, k == 5));
        pages[0].strips.push_back(strip);
    }
    pages[1].strips.push_back({.busbar = "РУ-4 Корпус 3", .continued = true, .feeders = {feeder(30, false)}});
    return pages;
}

// The network's table: eighteen columns, rows enough for two landscape pages.
model::SheetTable table() {
    model::SheetTable t;
    t.widths = {12, 9, 10, 4, 3, 5, 4, 4, 5, 5, 5, 4, 6, 4, 5, 5, 5, 5};
    model::SheetRow header;
    for (const char* c : {"Узел", "Питается от", "Кабель", "L, м", "n", "Аппарат", "Iн, А", "Icu, кА", "RΣ, мОм",
                          "XΣ, мОм", "Iк(3), кА", "iуд, кА", "Iк(1) мин., кА", "Sмин, мм²",
                          "чувстви\u00adтель\u00adность", "Icu", "Icm", "нагрев"})
        header.cells.emplace_back(c);
    t.header = {header};
    for (int k = 0; k < 60; ++k)
        t.rows.push_back({{"  ЩР-12 Корпус 3", "РУ-1", "3x150 + 1x70", "120", "2", "ЭМ", "250", "25", "375,7431",
                           "33,1829", "12,2309", "24,2532", "0,2044", "69,3303", "НЕТ", "да", "да", "да"},
                          k % 7 == 0 ? model::RowStyle::Fail : model::RowStyle::Normal});
    return t;
}

model::SheetContent networkSheet() {
    model::Calculation c;
    cases::threeSections(c);
    cases::checks(c, "160", "15", "95");
    model::SheetContent s = model::sheetContent(c, {.printed = "09.12.2026 14:05", .points = model::sheetPoints(c)});
    const auto formulas = s.sections.end() - 1;
    s.sections.insert(formulas, {{.title = model::kNetworkDiagramTitle, .kind = model::SectionKind::NetworkDiagram},
                                 {.title = model::kNetworkTableTitle, .table = table(), .landscape = true}});
    s.network = diagram();
    return s;
}

// The pages' orientations in order, P or L, as their media boxes give them.
std::string orientations(const QByteArray& pdf) {
    std::string out;
    static const QRegularExpression box(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
    for (auto it = box.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const auto m = it.next();
        out += m.captured(1).toDouble() < m.captured(2).toDouble() ? 'P' : 'L';
    }
    return out;
}

TEST(SheetNetworkPages, DiagramPortraitTableLandscape) {
    const QByteArray pdf = sheetPdf(networkSheet());
    ASSERT_FALSE(pdf.isEmpty());
    // the sheet's three pages (the device's chart on the third), the diagram's two, the table's two landscape
    // ones, the formulas on a portrait page
    EXPECT_EQ(orientations(pdf), "PPPPPLLP");
}

// A print preview cannot turn a page: its pages are as many, the landscape
// ones drawn turned on portrait paper, and the printer is left as it was.
TEST(SheetNetworkPages, PreviewHasEveryPage) {
    const model::SheetContent content = networkSheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(sheetPageLayout());
    int painted = 0;
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* p) { painted = paintSheet(*p, content); });
    preview.updatePreview();
    EXPECT_EQ(painted, 8);
    EXPECT_EQ(preview.pageCount(), 8);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
}  // namespace ampera
