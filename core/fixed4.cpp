#include "core/fixed4.h"

#include <cmath>
#include <limits>

#include "core/number_text.h"

namespace ampera {

namespace {

using i128 = __int128;
constexpr i128 kMax = std::numeric_limits<std::int64_t>::max();
constexpr i128 kMin = std::numeric_limits<std::int64_t>::min();

Checked<Fixed4> fromWide(i128 v) {
    if (v > kMax || v < kMin) return {Fixed4{}, NumError::Overflow};
    return {Fixed4::fromRaw(static_cast<std::int64_t>(v)), NumError::None};
}

// Divides by d (> 0), rounding the quotient half to even.
i128 divideHalfEven(i128 n, i128 d) {
    i128 q = n / d;
    i128 r = n % d;
    if (r < 0) {
        r = -r;
    }
    i128 twice = r * 2;
    if (twice > d || (twice == d && (q % 2 != 0))) q += (n < 0) ? -1 : 1;
    return q;
}

}  // namespace

Checked<Fixed4> Fixed4::parse(std::string_view text) {
    DecimalText d;
    if (!splitDecimal(text, d)) return {Fixed4{}, NumError::Conversion};

    std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) return {Fixed4{}, NumError::None};
    std::string digits = d.digits.substr(first);
    long long shift = d.exponent + 4;  // raw = digits * 10^shift
    long long length = static_cast<long long>(digits.size());

    // Anything with more than 19 whole digits of ten-thousandths is out of range.
    if (length + shift > 20) return {Fixed4{}, NumError::Overflow};

    i128 whole = 0;
    if (shift >= 0) {
        for (char c : digits) whole = whole * 10 + (c - '0');
        for (long long i = 0; i < shift; ++i) whole *= 10;
    } else {
        long long keep = length + shift;  // digits at or above a ten-thousandth
        if (keep >= 0) {
            auto k = static_cast<std::size_t>(keep);
            for (std::size_t i = 0; i < k; ++i) whole = whole * 10 + (digits[i] - '0');
            char dropped = digits[k];
            bool restNonZero = digits.find_first_not_of('0', k + 1) != std::string::npos;
            if (dropped > '5' || (dropped == '5' && (restNonZero || whole % 2 != 0))) whole += 1;
        }
        // keep < 0: below half a ten-thousandth, rounds to 0.
    }
    return fromWide(d.negative ? -whole : whole);
}

Checked<Fixed4> Fixed4::fromDouble(double value) {
    if (!std::isfinite(value)) return {Fixed4{}, NumError::Overflow};
    // The product in extended precision, rounded to nearest with ties to even:
    // beside 2^63 a long double holds whole numbers only, so the sum rounds
    // the fraction away as the hardware rounds (as nearbyintl, without its cost).
    const long double scaled = static_cast<long double>(value) * 10000.0L;
    constexpr long double kWhole = 0x1p63L;
    const long double rounded = scaled >= 0 ? (scaled + kWhole) - kWhole : (scaled - kWhole) + kWhole;
    if (rounded >= 9223372036854775808.0L || rounded < -9223372036854775808.0L) return {Fixed4{}, NumError::Overflow};
    return {Fixed4(static_cast<std::int64_t>(rounded)), NumError::None};
}

std::string Fixed4::toText() const {
    i128 v = raw_;
    bool negative = v < 0;
    if (negative) v = -v;
    i128 whole = v / kScale;
    int frac = static_cast<int>(v % kScale);

    std::string w;
    do {
        w.insert(w.begin(), static_cast<char>('0' + static_cast<int>(whole % 10)));
        whole /= 10;
    } while (whole > 0);

    std::string out = negative ? "-" + w : w;
    if (frac != 0) {
        std::string f = std::to_string(frac);
        f.insert(0, 4 - f.size(), '0');
        while (f.back() == '0') f.pop_back();
        out += "," + f;
    }
    return out;
}

Checked<Fixed4> operator+(Fixed4 a, Fixed4 b) { return fromWide(i128{a.raw_} + b.raw_); }
Checked<Fixed4> operator-(Fixed4 a, Fixed4 b) { return fromWide(i128{a.raw_} - b.raw_); }
Checked<Fixed4> operator*(Fixed4 a, std::int64_t whole) { return fromWide(i128{a.raw_} * whole); }
Checked<Fixed4> operator*(Fixed4 a, Fixed4 b) {
    return fromWide(divideHalfEven(i128{a.raw_} * b.raw_, Fixed4::kScale));
}

}  // namespace ampera
