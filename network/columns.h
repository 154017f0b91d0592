#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ampera::network {

// The network table's columns in their order: the node's inputs, then its
// results, then the verdicts on its device.
enum class Column {
    Name,
    Cable,
    R1,
    X1,
    R0,
    X0,
    Length,
    Parallel,
    Rk,
    Xk,
    Device,
    In,
    Iset,
    Icu,
    Insulation,
    S,
    Time,
    Circuit,
    RSum,
    XSum,
    Ik3,
    Ik2,
    Iud,
    Ik1,
    Ik1Min,
    Smin,
    Sensitivity,
    Breaking,
    Making,
    Thermal,
    Disconnection,
};
inline constexpr int kInputCount = static_cast<int>(Column::Circuit) + 1;
inline constexpr int kColumnCount = static_cast<int>(Column::Disconnection) + 1;

// What a column holds: the node's name, a number typed, an item of a list,
// a result or a verdict.
enum class ColumnKind { Name, Number, List, Result, Verdict };

struct ColumnInfo {
    Column column;
    const char* caption;  // the table's header and the clipboard's
    const char* key;      // an input's key in the calculation file; empty for the others
    const char* start;    // an input's text at a new node
    ColumnKind kind;
};

// Every column, in the table's order.
std::span<const ColumnInfo> columns();
const ColumnInfo& columnInfo(Column column);
// The column of a caption, if any.
std::optional<Column> columnByCaption(std::string_view caption);
inline bool isInput(Column column) { return static_cast<int>(column) < kInputCount; }
inline std::size_t inputIndex(Column column) { return static_cast<std::size_t>(column); }

// The cable list's own items beside the catalogue's rows.
inline constexpr const char* kCableByData = "по данным";
inline constexpr const char* kCableNone = "нет";
// The device list's item for a branch without a protective device.
inline constexpr const char* kDeviceNone = "нет";
// The circuit list's item that judges a node feeding others as a distribution
// circuit and one feeding nothing as a final circuit.
inline constexpr const char* kCircuitAuto = "авто";

// A list column's items in list order: the catalogue's cables as the data
// summary describes them, then "по данным" and "нет"; "нет" and the checks'
// five devices; the checks' four conductors; "авто" and the two circuits.
// Empty for the other columns.
const std::vector<std::string>& listItems(Column column);
// The number from 1 of a list's item, or 0 when the text is none of its items.
int itemNumber(Column column, std::string_view text);

// The catalogue cable a "Кабель" item names: its per-metre texts and the
// phase conductor's cross-section (the number after "3x" or "4x"); none for
// "по данным", "нет" or a text that is no item; and its row's label, the
// cross-sections ("3x95 + 1x50").
struct CatalogueCable {
    std::string r1, x1, r0, x0, s, label;
};
std::optional<CatalogueCable> catalogueCable(std::string_view item);

// The verdicts' words in a cell.
inline constexpr const char* kVerdictPass = "да";
inline constexpr const char* kVerdictFail = "НЕТ";
inline constexpr const char* kVerdictUnassessed = "—";

}  // namespace ampera::network
