#pragma once

namespace ampera {

// Why an arithmetic step could not be done. The fault calculation reports a
// conversion failure with the error dialog; the other kinds end it silently.
enum class NumError {
    None,
    Conversion,  // a field text that is not a number (type mismatch)
    Overflow,    // a result outside the range of its kind
    DivisionByZero,
    InvalidArgument  // e.g. the square root of a negative number
};

template <class T>
struct Checked {
    T value{};
    NumError error = NumError::None;
    bool ok() const { return error == NumError::None; }
};

}  // namespace ampera
