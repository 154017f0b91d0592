#include "model/time_chart.h"

#include <algorithm>
#include <cmath>

#include "core/check_inputs.h"
#include "core/number_text.h"
#include "model/checks_run.h"
#include "model/device_label.h"
#include "network/table_cells.h"

namespace ampera::model {

namespace {

using network::Column;

// A positive number typed, or none (blank, not a number, not above 0).
std::optional<double> positive(const std::string& text) {
    try {
        if (const auto v = optionalPositive(text)) return v->value;
    } catch (const CheckStop&) {
    }
    return std::nullopt;
}

// The device with its zone, when its ratings give one.
void addDevice(TimeChart& chart, ProtectiveDevice device, const std::string& in, const std::string& iset) {
    const std::optional<double> rated = positive(in);
    const std::optional<double> setting = positive(iset);
    if (!(device == ProtectiveDevice::BreakerInstantaneous ? setting : rated)) return;
    if (auto zone = timeZone(device, rated.value_or(0), setting.value_or(0)))
        chart.devices.push_back({deviceLabel(device, in, iset), std::move(*zone)});
}

// The currents' lines from their texts in kA; a text that is not a number gives none.
void addCurrent(TimeChart& chart, const char* name, const std::string& ka) {
    const Checked<double> v = parseDouble(ka);
    if (!ka.empty() && v.ok() && v.value > 0)
        chart.currents.push_back({std::string(name) + " = " + ka + " кА", v.value * 1000});
}

// The limit of the circuit for Uнн, and the current axis up to the power of
// ten above Iк(3), or above everything drawn.
void finish(TimeChart& chart, Circuit circuit, const std::string& uf, const std::string& ik3) {
    if (const Checked<double> u = parseDouble(uf); u.ok()) {
        const Fixed4 limit = disconnectionLimit(circuit, u.value);
        chart.limit = ChartMark{"t ≤ " + limit.toText() + " с (ПУЭ 1.7.79)", limit.toDouble()};
    }
    double top = 0;
    if (const Checked<double> i = parseDouble(ik3); !ik3.empty() && i.ok() && i.value > 0) top = i.value * 1000;
    else {
        for (const ChartMark& m : chart.currents) top = std::max(top, m.value);
        for (const ChartDevice& d : chart.devices)
            for (const TimePoint& p : d.zone.upper) top = std::max(top, p.current);
    }
    chart.maxCurrent = top > kChartMinCurrent ? std::pow(10.0, std::floor(std::log10(top)) + 1) : 10;
}

}  // namespace

TimeChart checksChart(const Calculation& c) {
    const ChecksTexts& k = c.checks;
    const bool computed = !k.ik3.empty();
    const CheckTexts read = checkTexts(c);
    const CheckResult result = computed ? CheckResult{} : calculateChecks(read);
    TimeChart chart;
    addDevice(chart, read.device, read.in, read.iset);
    const std::string& ik3 = computed ? k.ik3 : result.ik3;
    addCurrent(chart, "Iк(1) мин.", computed ? k.ik1min : result.ik1min);
    addCurrent(chart, "Iк(3)", ik3);
    finish(chart, read.circuit, read.fault.transformer.uf, ik3);
    return chart;
}

TimeChart nodeChart(const network::Network& network, const network::Results& results, network::NodeId id,
                    const FaultTexts& supply) {
    TimeChart chart;
    const network::Node& node = network.node(id);
    const auto cell = [&](network::NodeId n, Column column) {
        return network::cellOf(network, results, n, column).text;
    };
    // The node's own device, then the one feeding its board.
    for (const network::NodeId n : {id, node.parent}) {
        if (n == network::kRootId) break;
        const network::Node& at = network.node(n);
        const int device = network::itemNumber(Column::Device, at.input(Column::Device));
        if (device > 1)
            addDevice(chart, static_cast<ProtectiveDevice>(device - 1), at.input(Column::In), at.input(Column::Iset));
    }
    const std::string ik3 = id == network::kRootId ? cell(id, Column::Ik3) : cell(node.parent, Column::Ik3);
    addCurrent(chart, "Iк(1) мин.", cell(id, Column::Ik1Min));
    addCurrent(chart, "Iк(3)", ik3);
    const network::NodeReading* reading = results.reading(id);
    finish(chart, reading ? network::nodeCircuit(node, *reading) : Circuit::Final, supply.transformer.uf, ik3);
    return chart;
}

}  // namespace ampera::model
