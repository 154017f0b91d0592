#include "network/network_export.h"

#include <algorithm>

#include "core/number_text.h"
#include "network/table_cells.h"
#include "storage/csv_text.h"

namespace ampera::network {

namespace {

// A number's cell with as many decimals as its text shows ("12,50": two); a
// text that is no number stays a text.
files::BookCell numberCell(const std::string& text) {
    DecimalText parts;
    const Checked<double> value = parseDouble(text);
    if (!value.ok() || !splitDecimal(text, parts)) return {.text = text};
    return {.number = value.value, .decimals = static_cast<int>(std::max(0LL, -parts.exponent))};
}

files::BookCell bookCell(const Cell& cell, ColumnKind kind) {
    switch (cell.state) {
    case CellState::Bad: return {.text = cell.text, .fill = files::BookFill::Red};
    case CellState::Fail: return {.text = cell.text, .fill = files::BookFill::Red};
    case CellState::Pass: return {.text = cell.text, .fill = files::BookFill::Green};
    case CellState::Plain: break;
    }
    if (isBlankText(cell.text)) return {.text = cell.text};
    if (kind == ColumnKind::Number || kind == ColumnKind::Result) return numberCell(cell.text);
    return {.text = cell.text};
}

// Every node in display order with its level, the root's 0.
template <typename Row>
void eachRow(const Network& network, Row row) {
    for (const NodeId id : network.displayOrder()) row(id, network.depth(id));
}

}  // namespace

std::vector<std::string> exportHeader() {
    std::vector<std::string> header{kLevelCaption};
    for (const ColumnInfo& c : columns()) header.emplace_back(c.caption);
    return header;
}

files::BookSheet networkWorkbook(const Network& network, const Results& results) {
    files::BookSheet sheet{.name = kSheetName, .header = exportHeader(), .rows = {}};
    sheet.rows.reserve(network.size());
    eachRow(network, [&](NodeId id, int level) {
        std::vector<files::BookCell>& row = sheet.rows.emplace_back();
        row.reserve(kColumnCount + 1);
        row.push_back({.number = level});
        for (const ColumnInfo& c : columns()) row.push_back(bookCell(cellOf(network, results, id, c.column), c.kind));
    });
    return sheet;
}

std::string networkCsv(const Network& network, const Results& results) {
    std::vector<csv::CsvCells> rows{exportHeader()};
    rows.reserve(network.size() + 1);
    eachRow(network, [&](NodeId id, int level) {
        csv::CsvCells& row = rows.emplace_back();
        row.reserve(kColumnCount + 1);
        row.push_back(std::to_string(level));
        for (const ColumnInfo& c : columns()) row.push_back(cellOf(network, results, id, c.column).text);
    });
    return csv::csvText(rows);
}

}  // namespace ampera::network
