// Any text through the number rules: what converts, formats to a text that
// converts back to the same value, and formatting is stable; any Fixed4
// formats to a text that parses back to it exactly.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/fixed4.h"
#include "core/number_text.h"

using namespace ampera;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkDouble(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = formatDouble(value);
    const Checked<double> back = parseDouble(text);
    // Fifteen digits of the very largest doubles round past the range.
    if (!back.ok() && back.error == NumError::Overflow && std::fabs(value) > 1.79769313486231e308) return;
    require(back.ok());
    require(formatDouble(back.value) == text);  // 15 significant digits survive a round trip
    require(std::fabs(back.value - value) <= std::fabs(value) * 1e-14);
}

void checkFixed(Fixed4 value) {
    const std::string text = value.toText();
    const Checked<Fixed4> back = Fixed4::parse(text);
    require(back.ok());
    require(back.value == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const Checked<double> d = parseDouble(text);
    if (d.ok()) checkDouble(d.value);

    const Checked<Fixed4> f = Fixed4::parse(text);
    if (f.ok()) {
        checkFixed(f.value);
        // Both read the same rule; the fixed value is the double rounded to four decimals.
        require(d.ok());
        require(std::fabs(d.value - f.value.toDouble()) <= 0.00005 + std::fabs(d.value) * 1e-15);
    }

    if (size >= sizeof(std::int64_t)) {
        std::int64_t raw;
        std::memcpy(&raw, data, sizeof raw);
        checkFixed(Fixed4::fromRaw(raw));
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        checkDouble(bits);
    }
    return 0;
}
