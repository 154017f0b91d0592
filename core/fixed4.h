#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/num_error.h"

namespace ampera {

// The fixed-point kind of the loop impedances and currents: a signed 64-bit
// count of ten-thousandths. Conversions from text and from doubles round half
// to even; sums and whole multiples are exact; the product of two values is
// rounded half to even; anything outside the range is an overflow, never
// undefined behaviour.
class Fixed4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed4() = default;
    static constexpr Fixed4 fromRaw(std::int64_t raw) { return Fixed4(raw); }

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / static_cast<double>(kScale); }

    // Field text (decimal comma rules of the number conversion) to Fixed4,
    // rounded exactly on the decimal digits: "0,00005" is 0 and "0,00015" is
    // 0,0002.
    static Checked<Fixed4> parse(std::string_view text);
    // Non-finite or out-of-range doubles are an overflow.
    static Checked<Fixed4> fromDouble(double value);

    // At most four decimals, trailing zeros and comma dropped: 12,5 / 7 / 0.
    std::string toText() const;

    friend Checked<Fixed4> operator+(Fixed4 a, Fixed4 b);
    friend Checked<Fixed4> operator-(Fixed4 a, Fixed4 b);
    friend Checked<Fixed4> operator*(Fixed4 a, std::int64_t whole);
    friend Checked<Fixed4> operator*(Fixed4 a, Fixed4 b);
    friend constexpr bool operator==(Fixed4 a, Fixed4 b) { return a.raw_ == b.raw_; }

private:
    constexpr explicit Fixed4(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

}  // namespace ampera
