#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/fixed4.h"

namespace ampera {

enum class ProtectiveDevice;

// The circuit a device protects, as numbered in its list (1–2): a final
// (group) circuit feeding current-using equipment, or a distribution circuit.
enum class Circuit { Final = 1, Distribution };
inline constexpr std::array<const char*, 2> kCircuitTexts = {"конечная (групповая)", "распределительная"};

// The greatest disconnection time of a fault to an exposed part in a TN
// system, s (ПУЭ 1.7.79, table 1.7.1), by the phase voltage that the line
// voltage Uнн (V) gives: a final circuit 0,8 s up to 250 V, 0,4 s up to
// 450 V, 0,2 s up to 750 V, 0,1 s above; a distribution circuit 5 s.
Fixed4 disconnectionLimit(Circuit circuit, double lineVoltage);

// A point of a time-current boundary: the current, A, and the time, s.
struct TimePoint {
    double current = 0, seconds = 0;
    friend bool operator==(const TimePoint&, const TimePoint&) = default;
};

// A device's time-current zone by its standard: the lower boundary (the
// currents that do not trip, or the pre-arcing times of a fuse) and the upper
// one (the guaranteed tripping), each from the smallest current up. The upper
// boundary is a staircase for a breaker (its time holds from a point's current
// up to the next point's) and straight between points on log-log axes for a fuse.
struct TimeZone {
    std::vector<TimePoint> lower, upper;
    bool stepped = true;
};

// The zones: breakers B, C, D by ГОСТ IEC 60898-1 (1,13·In and 1,45·In within
// 1 h up to 63 A, 2 h above; 1 to 60 s at 2,55·In up to 32 A, 120 s above;
// instantaneous between 3 and 5, 5 and 10, 10 and 20·In), the electromagnetic
// release by IEC 60947-2 (0,1 s within ±20 % of Iуст), gG fuses by
// ГОСТ IEC 60269-1 (its gates). None for a fuse rating outside the gates'
// table. ratedCurrent is In, setting Iуст (read for the release only).
std::optional<TimeZone> timeZone(ProtectiveDevice device, double ratedCurrent, double setting);

// The longest time the device takes to clear a current, s; none below its zone.
std::optional<double> guaranteedTime(const TimeZone& zone, double current);

// The smallest current, A, that the device clears within the time; none when
// its zone never clears that fast.
std::optional<double> currentWithin(const TimeZone& zone, double seconds);

}  // namespace ampera
