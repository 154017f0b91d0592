#include "network/results.h"

#include <algorithm>
#include <cmath>

#include "core/check_inputs.h"
#include "core/checked_math.h"
#include "core/fault_factors.h"
#include "core/number_text.h"
#include "core/tree_loop.h"

namespace ampera::network {

namespace {

constexpr const char* kParallelMessage = "Число кабелей: целое от 1 до 10";
constexpr const char* kLengthMessage = "Длина не может быть отрицательной";
constexpr const char* kNotListedMessage = "Нет такого значения в списке";
constexpr int kMaxParallel = 10;

// Reads the inputs of one node, noting each input that fails its rule.
class Reader {
public:
    explicit Reader(const Node& node) : node_(node) {}

    const std::string& text(Column c) const { return node_.input(c); }

    void fail(Column c, const char* message) {
        out.problems.push_back({c, message});
        out.ok = false;
    }

    std::optional<double> number(Column c) {
        const Checked<double> v = parseDouble(text(c));
        if (v.ok()) return v.value;
        fail(c, kConversionMessage);
        return std::nullopt;
    }

    Fixed4 fixed(Column c) {
        const Checked<Fixed4> v = Fixed4::parse(text(c));
        if (!v.ok()) fail(c, kConversionMessage);
        return v.value;
    }

    // The item's number from 1 in the list, or 0 when the text is no item.
    int item(Column c) {
        if (const int number = itemNumber(c, text(c))) return number;
        fail(c, kNotListedMessage);
        return 0;
    }

    // In, Iуст, Icu, S: blank is no value; a value must be a number above 0.
    std::optional<PositiveInput> positive(Column c) {
        try {
            return optionalPositive(text(c));
        } catch (const CheckStop& s) {
            fail(c, s.failure == CheckFailure::NotPositive ? checkFailureMessage(s.failure) : kConversionMessage);
            return std::nullopt;
        }
    }

    NodeReading out;

private:
    const Node& node_;
};

// The line's four values for the whole section: per metre × length ÷ n, in
// the general number format read back as Fixed4.
LineSlot lineValues(const std::array<double, 4>& perMetre, double length, std::int64_t parallel) {
    using namespace checked;
    std::array<Fixed4, 4> v;
    for (std::size_t k = 0; k < v.size(); ++k)
        v[k] = fixed(formatDouble(div(mul(perMetre[k], length), static_cast<double>(parallel))));
    return {v[0], v[1], v[2], v[3]};
}

void readLine(Reader& r, std::int64_t parallel) {
    if (r.item(Column::Cable) == itemNumber(Column::Cable, kCableNone)) return;  // no line
    std::array<std::optional<double>, 4> perMetre;
    const Column columns[] = {Column::R1, Column::X1, Column::R0, Column::X0};
    for (std::size_t k = 0; k < perMetre.size(); ++k) perMetre[k] = r.number(columns[k]);
    const std::optional<double> length = r.number(Column::Length);
    if (length && *length < 0) r.fail(Column::Length, kLengthMessage);
    if (!r.out.ok) return;
    try {
        r.out.branch.line = lineValues({*perMetre[0], *perMetre[1], *perMetre[2], *perMetre[3]}, *length, parallel);
    } catch (const Failure&) {
        r.out.ok = false;  // beyond what the loop's numbers hold: nothing is computed
    }
}

std::int64_t readParallel(Reader& r) {
    const std::optional<double> n = r.number(Column::Parallel);
    if (!n) return 1;
    if (*n < 1 || *n > kMaxParallel || std::floor(*n) != *n) {
        r.fail(Column::Parallel, kParallelMessage);
        return 1;
    }
    return static_cast<std::int64_t>(*n);
}

// The device and what its checks read; a branch without a device reads none of it.
void readDevice(Reader& r, std::int64_t parallel) {
    const int device = r.item(Column::Device);
    if (device <= 1) return;  // "нет", or no item
    DeviceInputs d;
    d.device = static_cast<ProtectiveDevice>(device - 1);
    d.parallel = parallel;
    if (const std::optional<double> t = r.number(Column::Time)) {
        d.tOff = *t;
        try {
            checkDisconnectionTime(*t);
        } catch (const CheckStop& s) {
            r.fail(Column::Time, checkFailureMessage(s.failure));
        }
    }
    if (const int insulation = r.item(Column::Insulation)) d.cable = static_cast<CableInsulation>(insulation);
    d.crossSection = r.positive(Column::S);
    d.ratedCurrent = r.positive(Column::In);
    if (d.device == ProtectiveDevice::BreakerInstantaneous) d.setting = r.positive(Column::Iset);
    d.icu = r.positive(Column::Icu);
    const int circuit = r.item(Column::Circuit);
    r.out.autoCircuit = circuit <= 1;
    if (!r.out.autoCircuit) d.circuit = static_cast<Circuit>(circuit - 1);
    r.out.device = d;
}

}  // namespace

NodeReading readNode(const Node& node) {
    Reader r(node);
    const std::int64_t parallel = readParallel(r);
    r.out.branch.rk = r.fixed(Column::Rk);
    r.out.branch.xk = r.fixed(Column::Xk);
    readDevice(r, parallel);
    readLine(r, parallel);
    return r.out;
}

Circuit nodeCircuit(const Node& node, const NodeReading& reading) {
    if (!reading.autoCircuit && reading.device) return reading.device->circuit;
    return node.children.empty() ? Circuit::Final : Circuit::Distribution;
}

const NodeResult* Results::result(NodeId id) const {
    const auto it = nodes.find(id);
    return it == nodes.end() ? nullptr : &it->second;
}

const NodeReading* Results::reading(NodeId id) const {
    const auto it = readings.find(id);
    return it == readings.end() ? nullptr : &it->second;
}

const char* NodeReading::problem(Column column) const {
    for (const Problem& p : problems)
        if (p.column == column) return p.message;
    return nullptr;
}

Results computeResults(const Network& network, const FaultTexts& supply) {
    Results out;
    out.readings.reserve(network.size());
    for (const NodeId id : network.displayOrder())
        if (id != kRootId) out.readings.emplace(id, readNode(network.node(id)));
    computePoints(network, supply, out);
    return out;
}

void computePoints(const Network& network, const FaultTexts& supply, Results& out) {
    out.status.clear();

    // The root's point is the checks' K1: the main window's fields and θк must hold.
    const auto source = [&]() -> std::optional<std::pair<LoopReading, double>> {
        try {
            LoopReading loop = readLoop(supply);
            const double theta = requiredNumber(network.theta());
            checkEndTemperature(theta);
            return std::pair{std::move(loop), heatingFactor(theta)};
        } catch (const CheckStop& s) {
            out.status = s.failure == CheckFailure::Conversion ? kConversionMessage : checkFailureMessage(s.failure);
        } catch (const Failure&) {
        }
        return std::nullopt;  // a loop with no real network has no message, as in the checks
    }();
    if (!source) {
        out.nodes.clear();
        return;
    }
    const auto& [loop, kTheta] = *source;

    // The nodes depth first, each with its parent's place in that order.
    std::vector<const Node*> order;
    std::vector<TreeBranch> tree;
    order.reserve(network.size());
    tree.reserve(network.size());
    std::vector<std::pair<NodeId, std::size_t>> stack = {{kRootId, 0}};
    while (!stack.empty()) {
        const auto [id, parent] = stack.back();
        stack.pop_back();
        const Node& node = network.node(id);
        if (id == kRootId) {
            tree.emplace_back();
        } else {
            const NodeReading& reading = out.readings.at(id);
            tree.push_back({parent, reading.branch, reading.device, reading.ok});
            if (reading.device) tree.back().device->circuit = nodeCircuit(node, reading);
        }
        for (auto child = node.children.rbegin(); child != node.children.rend(); ++child)
            stack.emplace_back(*child, order.size());
        order.push_back(&node);
    }
    const LoopFields& f = loop.fields;
    const std::vector<TreePoint> points = computeTree(loop.source, {f.rr, f.xr, f.r0y, f.x0y}, kTheta, tree);

    // The results of nodes removed go; the others are written over where they are.
    if (out.nodes.size() > order.size()) out.nodes.clear();
    for (std::size_t i = 0; i < order.size(); ++i)
        out.nodes[order[i]->id] = {points[i].point, points[i].device.smin, points[i].device.verdicts};
}

}  // namespace ampera::network
