#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/number_text.h"

namespace ampera {

// The one way between the program's text (UTF-8 std::string) and Qt's.
inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string text(const QString& s) { return s.toStdString(); }
inline std::string text(const QLineEdit* e) { return text(e->text()); }
inline std::string text(const QLabel* l) { return text(l->text()); }

inline QStringList items(std::span<const std::string_view> texts) {
    QStringList out;
    for (std::string_view t : texts) out << q(t);
    return out;
}
// A number in the fields' format (decimal comma, no trailing zeros).
inline QString shown(double value) { return q(formatDouble(value)); }
// A text or a field's text read by the decimal-comma rule; nothing when it is no number.
inline std::optional<double> number(const QString& s) {
    const Checked<double> v = parseDouble(text(s));
    return v.ok() ? std::optional<double>(v.value) : std::nullopt;
}
inline std::optional<double> number(const QLineEdit* e) { return number(e->text()); }

}  // namespace ampera
