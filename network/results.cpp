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

    void fail(Column c, std::string message) {
        out.problems[inputIndex(c)] = std::move(message);
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
        const std::vector<std::string>& items = listItems(c);
        const auto it = std::ranges::find(items, text(c));
        if (it != items.end()) return static_cast<int>(it - items.begin()) + 1;
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
    const int cable = r.item(Column::Cable);
    if (cable == static_cast<int>(listItems(Column::Cable).size())) return;  // "нет": no line
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

const NodeResult* Results::result(NodeId id) const {
    const auto it = nodes.find(id);
    return it == nodes.end() ? nullptr : &it->second;
}

const NodeReading* Results::reading(NodeId id) const {
    const auto it = readings.find(id);
    return it == readings.end() ? nullptr : &it->second;
}

Results computeResults(const Network& network, const FaultTexts& supply) {
    Results out;
    const std::vector<NodeId> order = network.displayOrder();
    std::unordered_map<NodeId, std::size_t> index;
    index.reserve(order.size());
    std::vector<TreeBranch> tree(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Node& node = network.node(order[i]);
        index.emplace(node.id, i);
        if (i == 0) continue;
        NodeReading reading = readNode(node);
        tree[i] = {index.at(node.parent), reading.branch, reading.device, reading.ok};
        out.readings.emplace(node.id, std::move(reading));
    }

    // The root's point is the checks' K1: the main window's fields and θк must hold.
    LoopReading loop;
    double kTheta = 1;
    try {
        loop = readLoop(supply);
        const double theta = requiredNumber(network.theta());
        checkEndTemperature(theta);
        kTheta = heatingFactor(theta);
    } catch (const CheckStop& s) {
        out.status = s.failure == CheckFailure::Conversion ? kConversionMessage : checkFailureMessage(s.failure);
        return out;
    } catch (const Failure&) {
        return out;
    }
    const LoopFields& f = loop.fields;
    const std::vector<TreePoint> points = computeTree(loop.source, {f.rr, f.xr, f.r0y, f.x0y}, kTheta, tree);
    out.nodes.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        out.nodes.emplace(order[i], NodeResult{points[i].point, points[i].device.smin, points[i].device.verdicts});
    return out;
}

}  // namespace ampera::network
