#include "network/table_cells.h"

#include <unordered_map>

#include "core/checked_math.h"

namespace ampera::network {

namespace {

std::string shown(double value) {
    const Checked<Fixed4> v = Fixed4::fromDouble(value);
    return v.ok() ? v.value.toText() : std::string();
}

// A result's text: the point's values as the checks' table of points shows them.
std::string resultText(const NodeResult& r, Column column) {
    if (column == Column::Smin) return r.smin ? shown(*r.smin) : std::string();
    if (!r.point) return {};
    const PointCurrents& p = *r.point;
    switch (column) {
    case Column::RSum: return p.rsum.toText();
    case Column::XSum: return p.xsum.toText();
    case Column::Ik3: return p.ik3.toText();
    case Column::Ik2: return shown(p.ik2);
    case Column::Iud: return shown(p.iud);
    case Column::Ik1: return p.ik1.toText();
    case Column::Ik1Min: return shown(p.ik1min);
    default: return {};
    }
}

Cell plain(std::string text) { return {std::move(text), CellState::Plain, {}, false}; }

Cell verdictCell(const NodeResult& r, Column column) {
    const auto check = static_cast<Check>(static_cast<int>(column) - static_cast<int>(Column::Sensitivity));
    const Verdict& v = r.verdicts[static_cast<std::size_t>(check)];
    if (v.outcome == Outcome::NotJudged) return plain({});
    if (v.outcome == Outcome::Unassessed) return {kVerdictUnassessed, CellState::Plain, verdictText(v), false};
    const bool fails = v.fails();
    return {fails ? kVerdictFail : kVerdictPass, fails ? CellState::Fail : CellState::Pass, verdictText(v), false};
}

}  // namespace

Cell cellOf(const Network& network, const Results& results, NodeId id, Column column) {
    const Node& node = network.node(id);
    const ColumnKind kind = columnInfo(column).kind;
    if (isInput(column)) {
        if (id == kRootId) return plain(column == Column::Name ? node.name() : std::string());
        Cell cell{node.input(column), CellState::Plain, {}, true};
        if (const NodeReading* reading = results.reading(id)) {
            if (const char* problem = reading->problem(column)) cell.state = CellState::Bad, cell.tooltip = problem;
        }
        return cell;
    }
    const NodeResult* result = results.result(id);
    if (!result) return {};
    if (kind == ColumnKind::Verdict) return verdictCell(*result, column);
    return plain(resultText(*result, column));
}

std::string clipboardText(const Network& network, const Results& results) {
    std::string text;
    const auto row = [&text](const auto& cellText) {
        for (int c = 0; c < kColumnCount; ++c) {
            if (c > 0) text += '\t';
            text += cellText(static_cast<Column>(c));
        }
        text += "\r\n";
    };
    row([](Column c) { return std::string(columnInfo(c).caption); });
    std::unordered_map<NodeId, std::size_t> depth = {{kRootId, 0}};
    for (const NodeId id : network.displayOrder()) {
        if (id != kRootId) depth[id] = depth.at(network.node(id).parent) + 1;
        const std::string indent(2 * depth.at(id), ' ');
        row([&](Column c) {
            const std::string cell = cellOf(network, results, id, c).text;
            return c == Column::Name ? indent + cell : cell;
        });
    }
    return text;
}

}  // namespace ampera::network
