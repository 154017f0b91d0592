#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fault_calculation.h"
#include "core/time_current.h"
#include "model/calculation.h"
#include "network/network.h"
#include "network/results.h"

namespace ampera::model {

// The time-current chart as plain values: what is drawn, without how. The
// axes are logarithmic: the current from kChartMinCurrent to maxCurrent, A,
// the time from kChartMinSeconds to kChartMaxSeconds, s.
inline constexpr double kChartMinCurrent = 1;
inline constexpr double kChartMinSeconds = 0.01;
inline constexpr double kChartMaxSeconds = 10000;
inline constexpr const char* kChartTitle = "ampera Время-токовые характеристики";
inline constexpr const char* kChartCurrentAxis = "ток, А";
inline constexpr const char* kChartTimeAxis = "время, с";

// A device with its zone, named as the legend names it ("C 63 А", "gG 160 А").
struct ChartDevice {
    std::string name{};
    TimeZone zone{};
};

// A line across the chart with its legend text: a current (A, drawn upright)
// or a time (s, drawn across).
struct ChartMark {
    std::string name{};  // "Iк(1) мин. = 0,2044 кА", "Iк(3) = 8,7 кА", "tдоп = 0,4 с"
    double value = 0;
};

// The chart of a protected line: the devices that have a zone (the line's
// own first, then the one feeding it), the minimum current at the line's end
// and the three-phase current at the device's point (none where not
// computed), and the time limit of its circuit. maxCurrent is the next power
// of ten above Iк(3) (above the greatest current drawn when there is none).
struct TimeChart {
    std::vector<ChartDevice> devices{};
    std::vector<ChartMark> currents{};
    std::optional<ChartMark> limit{};
    double maxCurrent = 10;
};

// The chart of the checks window's device, from its inputs and the results
// of its last "Расчет" (computed here when there was none).
TimeChart checksChart(const Calculation& c);

// The chart of a node's device together with its parent's device.
TimeChart nodeChart(const network::Network& network, const network::Results& results, network::NodeId node,
                    const FaultTexts& supply);

}  // namespace ampera::model
