#pragma once

#include <optional>
#include <string>

#include "core/checked_math.h"
#include "core/fault_calculation.h"
#include "core/fault_loop.h"
#include "core/fixed4.h"

namespace ampera {

// Why the checks gave no result. Conversion: a field that is not a number
// (the calculation's standard message); Silent: any other arithmetic failure
// (nothing is shown); the rest have their own message.
enum class CheckFailure { None, Conversion, Silent, Time, Temperature, NotPositive };

// The message of a field that is not a number, wherever the program reads one.
inline constexpr const char* kConversionMessage =
    "Десятичные вводятся через запятую!!! или не установленно одно из значений";

// The message of a failure with its own text; empty for the others.
const char* checkFailureMessage(CheckFailure failure);

// Ends the checks with a failure.
struct CheckStop {
    CheckFailure failure;
};

// The loop as the checks read it. The calculation is run on the fields in
// both modes, its conversion failure being the checks' Conversion and any
// other its Silent; a loop with a negative resistance, reactance or current
// at its end describes no real network (Silent). Then every field is read as
// Fixed4.
struct LoopReading {
    LoopSource source;
    LoopFields fields;
};
LoopReading readLoop(const FaultTexts& fault);

// tоткл and θк: a number is required; the ranges are checked apart, after
// both are read.
double requiredNumber(const std::string& text);
void checkDisconnectionTime(double seconds);  // 0 < t ≤ 5 s, else Time
void checkEndTemperature(double celsius);     // 65 ≤ θк ≤ 250 °C, else Temperature

// In, Iуст, Icu, S: empty (or blanks only) is no value; a value must be > 0.
// Where a verdict shows the value itself, it is the number as the field
// shows it, rounded on its decimal digits.
struct PositiveInput {
    double value;
    Fixed4 shown;
};
std::optional<PositiveInput> optionalPositive(const std::string& text);

// Runs compute(out) on a fresh Out; on a CheckStop, or an arithmetic Failure
// (Silent: the fields have been read by then), every result is empty and
// out.failure tells why.
template <class Out, class Compute>
Out runCheck(Compute&& compute) {
    Out out;
    try {
        compute(out);
    } catch (const CheckStop& s) {
        out = Out{};
        out.failure = s.failure;
    } catch (const Failure&) {
        out = Out{};
        out.failure = CheckFailure::Silent;
    }
    return out;
}

}  // namespace ampera
