#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/fixed4.h"

namespace ampera {

// The four checks of a protective device and its cable, in the order they are shown.
enum class Check { Sensitivity, Breaking, Making, Thermal };
inline constexpr std::array kChecks = {Check::Sensitivity, Check::Breaking, Check::Making, Check::Thermal};

// A check passed, failed, or was not judged because a value it compares was not given.
enum class Outcome { NotJudged, Pass, Fail };

// One check's verdict: the value compared with its limit, both as shown and in the check's unit.
struct Verdict {
    Check check = Check::Sensitivity;
    Outcome outcome = Outcome::NotJudged;
    Fixed4 value{}, limit{};

    bool fails() const { return outcome == Outcome::Fail; }
    std::string_view unit() const;  // "кА", "мм.кв"
    friend bool operator==(const Verdict&, const Verdict&) = default;
};

// The four verdicts by Check; at the start none is judged.
using Verdicts = std::array<Verdict, kChecks.size()>;
inline constexpr Verdicts kUnjudged = {Verdict{Check::Sensitivity}, Verdict{Check::Breaking}, Verdict{Check::Making},
                                       Verdict{Check::Thermal}};

// The verdict of comparing a value with its limit: the sensitivity and the
// thermal withstand hold from the limit up, the breaking and making capacity up to it.
Verdict judge(Check check, Fixed4 value, Fixed4 limit);

// The words of a verdict, "чувствительность защиты обеспечена: Iк(1) мин. = 8,7054 кА >= 1,6 кА"
// and the like; empty when it was not judged.
std::string verdictText(const Verdict& verdict);

// The verdict whose words a stored text is; none for any other text.
std::optional<Verdict> readVerdict(Check check, std::string_view text);

}  // namespace ampera
