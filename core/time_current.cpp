#include "core/time_current.h"

#include <cmath>

#include "core/fault_checks.h"

namespace ampera {

namespace {

// A gG fuse's gates by its rating In: Imin at 10 s, Imax at 5 s, Imin and Imax at 0,1 s, A (ГОСТ IEC 60269-1).
struct FuseGates {
    double in, min10, max5, min01, max01;
};
constexpr FuseGates kFuseGates[] = {
    {16, 33, 65, 85, 150},          {20, 42, 85, 110, 200},         {25, 52, 110, 150, 260},
    {32, 75, 150, 200, 350},        {40, 95, 190, 260, 450},        {50, 125, 250, 350, 610},
    {63, 160, 320, 450, 820},       {80, 215, 425, 610, 1100},      {100, 290, 580, 820, 1450},
    {125, 355, 715, 1100, 1910},    {160, 460, 950, 1450, 2590},    {200, 610, 1250, 1910, 3420},
    {250, 750, 1650, 2590, 4500},   {315, 1050, 2200, 3420, 6000},  {400, 1420, 2840, 4500, 8060},
    {500, 1780, 3800, 6000, 10600}, {630, 2200, 5100, 8060, 14140},
};

constexpr double kHour = 3600;

// A breaker's instantaneous tripping between these multiples of In (ГОСТ IEC 60898-1).
struct Instantaneous {
    double from, upTo;
};
Instantaneous instantaneous(ProtectiveDevice device) {
    switch (device) {
    case ProtectiveDevice::BreakerB: return {3, 5};
    case ProtectiveDevice::BreakerD: return {10, 20};
    default: return {5, 10};
    }
}

TimeZone breakerZone(ProtectiveDevice device, double in) {
    const double conventional = in <= 63 ? kHour : 2 * kHour;
    const Instantaneous inst = instantaneous(device);
    return {.lower = {{1.13 * in, conventional}, {2.55 * in, 1}, {inst.from * in, 0.1}},
            .upper = {{1.45 * in, conventional}, {2.55 * in, in <= 32 ? 60.0 : 120.0}, {inst.upTo * in, 0.1}},
            .stepped = true};
}

std::optional<TimeZone> fuseZone(double in) {
    for (const FuseGates& g : kFuseGates) {
        if (g.in != in) continue;
        const double conventional = in <= 63 ? kHour : in <= 160 ? 2 * kHour : in <= 400 ? 3 * kHour : 4 * kHour;
        return TimeZone{.lower = {{1.25 * in, conventional}, {g.min10, 10}, {g.min01, 0.1}},
                        .upper = {{1.6 * in, conventional}, {g.max5, 5}, {g.max01, 0.1}},
                        .stepped = false};
    }
    return std::nullopt;
}

// The value at x of the straight line through (x0, y0) and (x1, y1) on log-log axes.
double logLine(double x, double x0, double y0, double x1, double y1) {
    return std::exp(std::log(y0) +
                    (std::log(x) - std::log(x0)) / (std::log(x1) - std::log(x0)) * (std::log(y1) - std::log(y0)));
}

}  // namespace

Fixed4 disconnectionLimit(Circuit circuit, double lineVoltage) {
    const auto seconds = [](std::int64_t tenths) { return Fixed4::fromRaw(tenths * Fixed4::kScale / 10); };
    if (circuit == Circuit::Distribution) return seconds(50);
    return seconds(lineVoltage <= 250 ? 8 : lineVoltage <= 450 ? 4 : lineVoltage <= 750 ? 2 : 1);
}

std::optional<TimeZone> timeZone(ProtectiveDevice device, double ratedCurrent, double setting) {
    switch (device) {
    case ProtectiveDevice::BreakerInstantaneous:
        return TimeZone{.lower = {{0.8 * setting, 0.1}}, .upper = {{1.2 * setting, 0.1}}, .stepped = true};
    case ProtectiveDevice::Fuse: return fuseZone(ratedCurrent);
    default: return breakerZone(device, ratedCurrent);
    }
}

std::optional<double> guaranteedTime(const TimeZone& zone, double current) {
    const auto& up = zone.upper;
    std::size_t k = up.size();
    while (k > 0 && up[k - 1].current > current) --k;
    if (k == 0) return std::nullopt;
    const TimePoint& at = up[k - 1];
    if (zone.stepped || k == up.size() || at.current == current) return at.seconds;
    return logLine(current, at.current, at.seconds, up[k].current, up[k].seconds);
}

std::optional<double> currentWithin(const TimeZone& zone, double seconds) {
    const auto& up = zone.upper;
    for (std::size_t k = 0; k < up.size(); ++k) {
        if (up[k].seconds > seconds) continue;
        if (zone.stepped || k == 0 || up[k].seconds == seconds) return up[k].current;
        return logLine(seconds, up[k - 1].seconds, up[k - 1].current, up[k].seconds, up[k].current);
    }
    return std::nullopt;
}

}  // namespace ampera
