#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/fixed4.h"

namespace ampera {

// The checks of a protective device and its cable, in the order they are shown.
enum class Check { Sensitivity, Breaking, Making, Thermal, Time };
inline constexpr std::array kChecks = {Check::Sensitivity, Check::Breaking, Check::Making, Check::Thermal, Check::Time};

// A check passed, failed, was not judged because a value it compares was not
// given, or could not be judged because the device has no characteristic for it.
enum class Outcome { NotJudged, Pass, Fail, Unassessed };

// One check's verdict: the value compared with its limit, both as shown and in
// the check's unit; for the disconnection time also the time limit, s. An
// unassessed verdict keeps the device's rating as its value.
struct Verdict {
    Check check = Check::Sensitivity;
    Outcome outcome = Outcome::NotJudged;
    Fixed4 value{}, limit{};
    Fixed4 seconds{};

    bool fails() const { return outcome == Outcome::Fail; }
    std::string_view unit() const;  // "кА", "мм.кв"
    friend bool operator==(const Verdict&, const Verdict&) = default;
};

// The verdicts by Check; at the start none is judged.
using Verdicts = std::array<Verdict, kChecks.size()>;
inline constexpr Verdicts kUnjudged = {Verdict{Check::Sensitivity}, Verdict{Check::Breaking}, Verdict{Check::Making},
                                       Verdict{Check::Thermal}, Verdict{Check::Time}};

// The verdict of comparing a value with its limit: the sensitivity, the
// thermal withstand and the disconnection time (the current that clears the
// fault within seconds) hold from the limit up, the breaking and making
// capacity up to it.
Verdict judge(Check check, Fixed4 value, Fixed4 limit, Fixed4 seconds = {});

// The words of a verdict, "чувствительность защиты обеспечена: Iк(1) мин. = 8,7054 кА >= 1,6 кА"
// and the like; empty when it was not judged.
std::string verdictText(const Verdict& verdict);

// The verdict whose words a stored text is; none for any other text.
std::optional<Verdict> readVerdict(Check check, std::string_view text);

}  // namespace ampera
