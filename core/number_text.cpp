#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace ampera {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this make every value overflow or vanish; clamping keeps
// the arithmetic on them in range.
constexpr long long kExponentClamp = 1'000'000;

}  // namespace

bool isBlankText(std::string_view text) {
    for (char c : text)
        if (!isBlank(c)) return false;
    return true;
}

bool isNotZeroText(std::string_view text) {
    const Checked<double> v = parseDouble(text);
    return !v.ok() || v.value != 0.0;
}

bool splitDecimal(std::string_view text, DecimalText& out) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view s = text.substr(b, e - b);

    out = DecimalText{};
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        out.negative = s[i] == '-';
        ++i;
    }
    std::size_t fraction = 0;
    bool comma = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            out.digits.push_back(c);
            if (comma) ++fraction;
        } else if (c == ',' && !comma) {
            comma = true;
        } else {
            break;
        }
    }
    if (out.digits.empty()) return false;

    long long exp = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        if (i >= s.size() || !isDigit(s[i])) return false;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            if (exp < kExponentClamp) exp = exp * 10 + (s[i] - '0');
        }
        if (expNegative) exp = -exp;
    }
    if (i != s.size()) return false;
    out.exponent = exp - static_cast<long long>(fraction);
    return true;
}

Checked<double> parseDouble(std::string_view text) {
    DecimalText d;
    if (!splitDecimal(text, d)) return {0.0, NumError::Conversion};

    std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) return {0.0, NumError::None};
    std::string significant = d.digits.substr(first);
    // Decimal exponent of the leading digit: value = 0,ddd * 10^(magnitude).
    long long magnitude = static_cast<long long>(significant.size()) + d.exponent;
    if (magnitude > 400) return {0.0, NumError::Overflow};
    if (magnitude < -400) return {d.negative ? -0.0 : 0.0, NumError::None};

    std::string c = significant + "e" + std::to_string(d.exponent);
    double value = 0.0;
    auto r = std::from_chars(c.data(), c.data() + c.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) return {0.0, NumError::Overflow};
        value = 0.0;
    } else if (r.ec != std::errc() || !std::isfinite(value)) {
        return {0.0, NumError::Overflow};
    }
    return {d.negative ? -value : value, NumError::None};
}

std::string formatDouble(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0.0) return "0";

    // 15 significant digits, rounded to nearest.
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string sci(buf, r.ptr);  // e.g. "-1.23450000000000e-05"

    bool negative = sci[0] == '-';
    std::size_t p = negative ? 1 : 0;
    std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t i = p; i < ePos; ++i)
        if (isDigit(sci[i])) digits.push_back(sci[i]);
    int exp = std::atoi(sci.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exp < -4 || exp >= 15) {
        out += digits[0];
        if (digits.size() > 1) out += "," + digits.substr(1);
        out += exp < 0 ? "E-" : "E+";
        std::string e = std::to_string(exp < 0 ? -exp : exp);
        if (e.size() < 2) e.insert(0, "0");
        out += e;
    } else if (exp >= 0) {
        std::size_t whole = static_cast<std::size_t>(exp) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + "," + digits.substr(whole);
        }
    } else {
        out += "0," + std::string(static_cast<std::size_t>(-exp - 1), '0') + digits;
    }
    return out;
}

}  // namespace ampera
