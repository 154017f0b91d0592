#include "ui/qt_text.h"

#include "core/number_text.h"

namespace ampera {

QStringList items(std::span<const std::string_view> texts) {
    QStringList out;
    for (std::string_view t : texts) out << q(t);
    return out;
}

QString shown(double value) { return q(formatDouble(value)); }

std::optional<double> number(const QString& s) {
    const Checked<double> v = parseDouble(text(s));
    if (!v.ok()) return std::nullopt;
    return v.value;
}

}  // namespace ampera
