#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/fault_points.h"
#include "model/calculation.h"
#include "model/network_sheet.h"
#include "model/sheet_table.h"
#include "model/time_chart.h"

namespace ampera::model {

// The calculation sheet as plain texts: what is printed, in order, without
// how it is drawn. Every number is the text of its field, decimal comma included.

// A point of the one-line diagram: its name and, under it, its Iк(3) and
// Iк(1) мин. as lines of text.
struct DiagramPoint {
    std::string name{}, ik3{}, ik1min{};
};

// The one-line diagram: the nodes ТП, РУ-0,4, СЩ, ЭП, the lines Л1 … Л3
// between them with their kinds, and the points K1 … K4 at the nodes.
struct SheetDiagram {
    std::array<std::string, kPointCount> nodes{};
    std::array<std::string, kPointCount - 1> lines{}, kinds{};
    std::array<DiagramPoint, kPointCount> points{};
};

// The title of the section of the checked device's time-current chart.
inline constexpr const char* kChartSectionTitle = "Время-токовая характеристика";

// What a section holds: its table, the loop's diagram, the network's diagram
// pages, or the checked device's time-current chart.
enum class SectionKind { Table, Diagram, NetworkDiagram, TimeChart };

// A section: its title and what it holds. A landscape section begins on a
// landscape page and the section after it on a portrait one.
struct SheetSection {
    std::string title{};
    SectionKind kind = SectionKind::Table;
    SheetTable table{};
    bool landscape = false;
};

struct SheetContent {
    std::string title, standard;  // the two title lines
    std::string file, printed;    // the calculation file's name, the date and time of printing
    std::vector<SheetSection> sections;
    SheetDiagram diagram;
    std::vector<NetworkDiagramPage> network;  // the network's diagram, when it is printed
    std::optional<TimeChart> chart;           // the checked device's chart, when it is printed
    std::string program;                      // the footer's left part: "ampera" and the version
};

// The footer's right part on page n of m: "Лист n из m".
std::string sheetPageText(int page, int pages);

// The table of the points K1 … K4: per point RΣ, XΣ (mΩ), Iк(3), Iк(2),
// iуд, Iк(1) макс., Iк(1) мин. (kA) as the Fixed4 texts of the checks
// window's fields; empty where not computed.
using PointTable = PointRows;

// The points as the sheet prints them: the checks window's table as its
// last "Расчет" left it; when it holds nothing, computed from the main
// window's fields and the checks window's θк (its default when it has none),
// without writing them into the calculation; all empty when the loop cannot
// be computed.
PointTable sheetPoints(const Calculation& c);

// What the sheet takes besides the calculation.
struct SheetInput {
    std::string fileName{};                     // the calculation file's name; empty: "без имени"
    std::string printed{};                      // the date and time of printing, as it is to be read
    PointTable points{};                        // K1 … K4
    std::string section{};                      // the checks' protected section, as its list shows it; empty: no row
    std::string transformerType{};              // the transformer's type when one is known; empty: no row
    const network::Network* network = nullptr;  // the network with its results; none: no network pages
    const network::Results* results = nullptr;
};

// The sheet of the calculation. The checks' section appears only when the
// checks window holds a device input (In, Iуст for the instantaneous release,
// Icu or S); their verdicts are those of its last "Расчет", or, when it has
// not been computed, those computed afresh from its inputs, without writing
// them into the calculation. The device's time-current chart follows it when
// the device has a zone.
SheetContent sheetContent(const Calculation& c, const SheetInput& in);

}  // namespace ampera::model
