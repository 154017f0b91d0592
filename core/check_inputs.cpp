#include "core/check_inputs.h"

#include "core/fault_factors.h"
#include "core/number_text.h"

namespace ampera {

namespace {

FaultResult run(const FaultTexts& texts, FaultMode mode) {
    FaultTexts t = texts;
    t.mode = mode;
    FaultResult r = calculateFault(t);
    if (r.error == NumError::Conversion) throw CheckStop{CheckFailure::Conversion};
    if (r.error != NumError::None || !r.rt || !r.xt) throw CheckStop{CheckFailure::Silent};
    return r;
}

}  // namespace

const char* checkFailureMessage(CheckFailure failure) {
    switch (failure) {
    case CheckFailure::Time: return "Время отключения КЗ: больше 0 и не более 5 с";
    case CheckFailure::Temperature: return "Температура жил в конце КЗ: от 65 до 250 °C";
    case CheckFailure::NotPositive: return "Iном, уставка, Icu и сечение должны быть больше 0";
    default: return "";
    }
}

LoopReading readLoop(const FaultTexts& fault) {
    const FaultResult three = run(fault, FaultMode::ThreePhase);
    const FaultResult single = run(fault, FaultMode::SinglePhase);
    if (three.rsum.raw() < 0 || three.xsum.raw() < 0 || three.ik.raw() < 0 || single.ik.raw() < 0)
        throw CheckStop{CheckFailure::Silent};

    // The calculation has read every field: none of these fails.
    LoopReading loop;
    loop.source = {*three.rt, *three.xt, three.xs.value_or(0.0), checked::number(fault.transformer.uf)};
    readPositiveSequence(fault, loop.fields);
    readZeroSequence(fault, loop.fields);
    return loop;
}

double requiredNumber(const std::string& text) {
    const Checked<double> v = parseDouble(text);
    if (!v.ok()) throw CheckStop{CheckFailure::Conversion};
    return v.value;
}

void checkDisconnectionTime(double seconds) {
    if (!(seconds > 0.0 && seconds <= kMaxDisconnectionTime)) throw CheckStop{CheckFailure::Time};
}

void checkEndTemperature(double celsius) {
    if (!(celsius >= kMinEndTemperature && celsius <= kMaxEndTemperature)) throw CheckStop{CheckFailure::Temperature};
}

std::optional<PositiveInput> optionalPositive(const std::string& text) {
    if (isBlankText(text)) return std::nullopt;
    const Checked<double> v = parseDouble(text);
    if (!v.ok()) throw CheckStop{CheckFailure::Conversion};
    if (!(v.value > 0.0)) throw CheckStop{CheckFailure::NotPositive};
    const Checked<Fixed4> shown = Fixed4::parse(text);
    if (!shown.ok()) throw CheckStop{CheckFailure::Silent};
    return PositiveInput{v.value, shown.value};
}

}  // namespace ampera
