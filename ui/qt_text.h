#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ampera {

// The one way between the program's text (UTF-8 std::string) and Qt's.
inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string text(const QString& s) { return s.toStdString(); }
inline std::string text(const QLineEdit* e) { return text(e->text()); }
inline std::string text(const QLabel* l) { return text(l->text()); }

QStringList items(std::span<const std::string_view> texts);
// A number in the fields' format (decimal comma, no trailing zeros).
QString shown(double value);
// A text or a field's text read by the decimal-comma rule; nothing when it is no number.
std::optional<double> number(const QString& s);
inline std::optional<double> number(const QLineEdit* e) { return number(e->text()); }

}  // namespace ampera
