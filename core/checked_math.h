#pragma once

#include <string_view>

#include "core/fixed4.h"
#include "core/num_error.h"

namespace ampera {

// Arithmetic that stops a computation at its first failure, the way the
// calculation's error path works: each helper throws a Failure that the
// computation catches once.
struct Failure {
    NumError kind;
};

// Runs compute(out) on a fresh Out and stores the kind of the first Failure it
// throws in out.error; whatever compute wrote before the failure is kept.
template <class Out, class Compute>
Out runChecked(Compute&& compute) {
    Out out;
    try {
        compute(out);
    } catch (const Failure& f) {
        out.error = f.kind;
    }
    return out;
}

namespace checked {

double number(std::string_view text);  // field text as a double
Fixed4 fixed(std::string_view text);   // field text as Fixed4
Fixed4 toFixed(double value);          // double to Fixed4
double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);
double sqrt(double a);
double pow(double a, double b);
Fixed4 add(Fixed4 a, Fixed4 b);
Fixed4 mul(Fixed4 a, std::int64_t whole);
Fixed4 mul(Fixed4 a, Fixed4 b);

}  // namespace checked
}  // namespace ampera
