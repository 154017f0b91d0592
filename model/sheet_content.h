#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/fault_points.h"
#include "model/calculation.h"

namespace ampera::model {

// The calculation sheet as plain texts: what is printed, in order, without
// how it is drawn. Every number is the text of its field, decimal comma included.

// How a row of a table is set: Group is a bold heading of the rows beneath it,
// Fail a verdict that fails (bold and red), Pass one that holds.
enum class RowStyle { Normal, Group, Pass, Fail };

// One row of a table. A row with fewer cells than the table has columns lets
// its last cell span the columns left over.
struct SheetRow {
    std::vector<std::string> cells{};
    RowStyle style = RowStyle::Normal;
    friend bool operator==(const SheetRow&, const SheetRow&) = default;
};

// A table: the columns' widths in parts of the text width (they add up to
// 100), the header rows, repeated on every page the table continues on, and
// the rows.
struct SheetTable {
    std::vector<int> widths{};
    std::vector<SheetRow> header{};
    std::vector<SheetRow> rows{};
};

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

// A section: its title and either a table or the diagram.
struct SheetSection {
    std::string title{};
    bool diagram = false;
    SheetTable table{};
};

struct SheetContent {
    std::string title, standard;  // the two title lines
    std::string file, printed;    // the calculation file's name, the date and time of printing
    std::vector<SheetSection> sections;
    SheetDiagram diagram;
    std::string program;  // the footer's left part: "ampera" and the version
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
    std::string fileName{};         // the calculation file's name; empty: "без имени"
    std::string printed{};          // the date and time of printing, as it is to be read
    PointTable points{};            // K1 … K4
    std::string section{};          // the checks' protected section, as its list shows it; empty: no row
    std::string transformerType{};  // the transformer's type when one is known; empty: no row
};

// The sheet of the calculation. The checks' section appears only when the
// checks window holds a device input (In, Iуст for the instantaneous release,
// Icu or S); their verdicts are those of its last "Расчет", or, when it has
// not been computed, those computed afresh from its inputs, without writing
// them into the calculation.
SheetContent sheetContent(const Calculation& c, const SheetInput& in);

}  // namespace ampera::model
