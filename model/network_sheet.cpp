#include "model/network_sheet.h"

#include <algorithm>

#include "core/fault_checks.h"
#include "core/number_text.h"
#include "model/device_label.h"
#include "network/network_export.h"
#include "network/table_cells.h"

namespace ampera::model {

namespace {

using network::Column;
using network::Network;
using network::Node;
using network::NodeId;
using network::Results;

std::string cellText(const Network& n, const Results& r, NodeId id, Column c) {
    return network::cellOf(n, r, id, c).text;
}

// A device's short form ("C"), or the text as it stands when it is no item; empty for "нет".
std::string deviceKind(const std::string& item) {
    const int number = network::itemNumber(Column::Device, item);
    if (number == 1) return {};
    return number > 1 ? kDeviceShortTexts[static_cast<std::size_t>(number - 2)] : item;
}

// The cable as the sheet names it: a catalogue row's cross-sections, "по данным", "нет".
std::string cableName(const std::string& item) {
    if (const auto cable = network::catalogueCable(item)) return cable->label;
    return item;
}

// The table's "Аппарат": the short form, "нет" without a device, nothing for "ТП".
std::string deviceCell(const Node& node) {
    if (node.id == network::kRootId) return {};
    const std::string kind = deviceKind(node.input(Column::Device));
    return kind.empty() ? network::kDeviceNone : kind;
}

std::string deviceText(const Node& node) {
    const int number = network::itemNumber(Column::Device, node.input(Column::Device));
    if (number <= 1) return number == 0 ? node.input(Column::Device) : std::string();
    return deviceLabel(static_cast<ProtectiveDevice>(number - 1), node.input(Column::In), node.input(Column::Iset));
}

std::string cableText(const Node& node) {
    const std::string& item = node.input(Column::Cable);
    if (item == network::kCableNone) return {};
    std::string text = cableName(item);
    if (!isBlankText(node.input(Column::Length))) text += ", " + withUnit(node.input(Column::Length), "м");
    const Checked<double> n = parseDouble(node.input(Column::Parallel));
    if (n.ok() && n.value > 1) text += ", n = " + node.input(Column::Parallel);
    return text;
}

// "НЕТ: " and the captions of the node's failing verdicts; empty when none fails.
std::string failureText(const Network& n, const Results& r, NodeId id) {
    std::string text;
    for (const network::ColumnInfo& c : network::columns()) {
        if (c.kind != network::ColumnKind::Verdict ||
            network::cellOf(n, r, id, c.column).state != network::CellState::Fail)
            continue;
        text += text.empty() ? std::string(network::kVerdictFail) + ": " : std::string(", ");
        text += c.caption;
    }
    return text;
}

NetworkFeeder feeder(const Network& n, const Results& r, NodeId id) {
    const Node& node = n.node(id);
    NetworkFeeder f{.device = deviceText(node), .cable = cableText(node), .name = node.name()};
    if (const std::string ik3 = cellText(n, r, id, Column::Ik3); !ik3.empty()) f.ik3 = "Iк(3) = " + ik3 + " кА";
    if (const std::string ik1 = cellText(n, r, id, Column::Ik1Min); !ik1.empty())
        f.ik1min = "Iк(1) мин. = " + ik1 + " кА";
    f.failure = failureText(n, r, id);
    return f;
}

// The table's columns: caption (a soft hyphen where a long word may break), width, and the cell.
struct TableColumn {
    const char* caption;
    int width;
    std::optional<Column> column;  // none: "Питается от"
};

// clang-format off
const TableColumn kTableColumns[] = {
    {"Узел", 12, Column::Name},
    {network::kParentCaption, 7, std::nullopt},
    {"Кабель", 10, Column::Cable},
    {"L, м", 4, Column::Length},
    {"n", 3, Column::Parallel},
    {"Аппарат", 5, Column::Device},
    {"Iн, А", 4, Column::In},
    {"Icu, кА", 4, Column::Icu},
    {"RΣ, мОм", 5, Column::RSum},
    {"XΣ, мОм", 5, Column::XSum},
    {"Iк(3), кА", 5, Column::Ik3},
    {"iуд, кА", 4, Column::Iud},
    {"Iк(1) мин., кА", 5, Column::Ik1Min},
    {"Sмин, мм²", 4, Column::Smin},
    {"чувстви\u00adтель\u00adность", 5, Column::Sensitivity},
    {"Icu", 4, Column::Breaking},
    {"Icm", 4, Column::Making},
    {"нагрев", 5, Column::Thermal},
    {"время", 5, Column::Disconnection},
};
// clang-format on

}  // namespace

std::vector<NetworkDiagramPage> networkDiagram(const Network& n, const Results& r) {
    std::vector<NetworkStrip> strips;
    for (const NodeId id : n.displayOrder()) {
        const Node& board = n.node(id);
        for (std::size_t k = 0; k < board.children.size(); ++k) {
            if (k % kFeedersPerStrip == 0) strips.push_back({.busbar = board.name(), .continued = k > 0});
            strips.back().feeders.push_back(feeder(n, r, board.children[k]));
        }
    }
    std::vector<NetworkDiagramPage> pages;
    for (std::size_t k = 0; k < strips.size(); ++k) {
        if (k % kStripsPerPage == 0) pages.emplace_back();
        pages.back().strips.push_back(std::move(strips[k]));
    }
    return pages;
}

SheetTable networkTable(const Network& n, const Results& r) {
    SheetTable t;
    SheetRow header;
    for (const TableColumn& c : kTableColumns) {
        t.widths.push_back(c.width);
        header.cells.emplace_back(c.caption);
    }
    t.header = {header};
    for (const NodeId id : n.displayOrder()) {
        const Node& node = n.node(id);
        SheetRow row;
        for (const TableColumn& c : kTableColumns) {
            if (!c.column) row.cells.push_back(id == network::kRootId ? std::string() : n.node(node.parent).name());
            else if (*c.column == Column::Name) row.cells.push_back(std::string(2 * n.depth(id), ' ') + node.name());
            else if (*c.column == Column::Cable) row.cells.push_back(cableName(cellText(n, r, id, *c.column)));
            else if (*c.column == Column::Device) row.cells.push_back(deviceCell(node));
            else row.cells.push_back(cellText(n, r, id, *c.column));
        }
        if (!failureText(n, r, id).empty()) row.style = RowStyle::Fail;
        t.rows.push_back(std::move(row));
    }
    return t;
}

}  // namespace ampera::model
