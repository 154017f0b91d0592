#include "core/checked_math.h"

#include <cmath>

#include "core/number_text.h"

namespace ampera::checked {

namespace {

double finite(double v) {
    if (!std::isfinite(v)) throw Failure{NumError::Overflow};
    return v;
}

template <class T>
T take(const Checked<T>& c) {
    if (!c.ok()) throw Failure{c.error};
    return c.value;
}

}  // namespace

double number(std::string_view text) { return take(parseDouble(text)); }
Fixed4 fixed(std::string_view text) { return take(Fixed4::parse(text)); }
Fixed4 toFixed(double value) { return take(Fixed4::fromDouble(value)); }

double add(double a, double b) { return finite(a + b); }
double sub(double a, double b) { return finite(a - b); }
double mul(double a, double b) { return finite(a * b); }

double div(double a, double b) {
    if (b == 0.0) throw Failure{NumError::DivisionByZero};
    return finite(a / b);
}

double sqrt(double a) {
    if (a < 0.0) throw Failure{NumError::InvalidArgument};
    return std::sqrt(a);
}

double pow(double a, double b) {
    if (a < 0.0 && b != std::floor(b)) throw Failure{NumError::InvalidArgument};
    return finite(std::pow(a, b));
}

Fixed4 add(Fixed4 a, Fixed4 b) { return take(a + b); }
Fixed4 mul(Fixed4 a, std::int64_t whole) { return take(a * whole); }
Fixed4 mul(Fixed4 a, Fixed4 b) { return take(a * b); }

}  // namespace ampera::checked
