#include "core/line_entry.h"

#include "core/checked_math.h"
#include "core/number_text.h"

namespace ampera {

namespace {

// The value of a formula made of checked steps, or its first failure.
template <class Formula>
Checked<double> checkedValue(Formula formula) {
    return runChecked<Checked<double>>([&](Checked<double>& out) { out.value = formula(); });
}

}  // namespace

Checked<SectionTexts> cableSection(const SectionTexts& perMetre, std::string_view length) {
    return runChecked<Checked<SectionTexts>>([&](Checked<SectionTexts>& out) {
        using namespace checked;
        const double r1 = number(perMetre.r1), x1 = number(perMetre.x1);
        const double r0 = number(perMetre.r0), x0 = number(perMetre.x0);
        if (length.empty()) return;
        const double l = number(length);
        out.value = {formatDouble(mul(r1, l)), formatDouble(mul(x1, l)), formatDouble(mul(r0, l)),
                     formatDouble(mul(x0, l))};
    });
}

Checked<double> overheadR1(double length, double section, double resistivity) {
    using namespace checked;
    return checkedValue([&] { return mul(mul(div(length, section), resistivity), 1000.0); });
}

Checked<double> overheadR0(std::string_view r1) {
    return checkedValue([&] { return checked::add(checked::number(r1), 0.15); });
}

Checked<double> overheadX1(std::string_view x1, std::string_view length) {
    using namespace checked;
    return checkedValue([&] {
        const double x = number(x1), l = number(length);
        return mul(l, x);
    });
}

Checked<double> overheadX0(std::string_view x1, std::string_view length) {
    using namespace checked;
    return checkedValue([&] {
        const double x = number(x1), l = number(length);
        return mul(mul(x, 3.0), l);
    });
}

}  // namespace ampera
