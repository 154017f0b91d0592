#pragma once

#include <string>
#include <vector>

namespace ampera::model {

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

// What follows a title on a page that goes on with it.
inline constexpr const char* kContinued = " (продолжение)";

}  // namespace ampera::model
