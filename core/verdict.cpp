#include "core/verdict.h"

namespace ampera {

namespace {

// How a check's verdict is worded: the subject, its passing and failing word,
// the value's name, the limit's name (none for the sensitivity) and the unit.
struct Wording {
    const char *subject, *pass, *fail, *value, *limit, *unit;
    bool atLeast;  // the value must reach the limit; otherwise it must not exceed it
};

const Wording& wording(Check check) {
    static constexpr Wording kWordings[] = {
        {"чувствительность защиты", "обеспечена", "НЕ обеспечена", "Iк(1) мин.", "", "кА", true},
        {"отключающая способность", "достаточна", "НЕДОСТАТОЧНА", "Iк(3)", "Icu = ", "кА", false},
        {"включающая способность", "достаточна", "НЕДОСТАТОЧНА", "iуд", "Icm = ", "кА", false},
        {"термическая стойкость кабеля", "обеспечена", "НЕ обеспечена", "S", "Sмин = ", "мм.кв", true},
    };
    return kWordings[static_cast<std::size_t>(check)];
}

// The words before the value and between the value and the limit.
struct Frame {
    std::string head, middle;
};

Frame frame(Check check, Outcome outcome) {
    const Wording& w = wording(check);
    const bool pass = outcome == Outcome::Pass;
    const char* sign = w.atLeast ? (pass ? ">=" : "<") : (pass ? "<=" : ">");
    return {std::string(w.subject) + " " + (pass ? w.pass : w.fail) + ": " + w.value + " = ",
            std::string(" ") + w.unit + " " + sign + " " + w.limit};
}

}  // namespace

std::string_view Verdict::unit() const { return wording(check).unit; }

Verdict judge(Check check, Fixed4 value, Fixed4 limit) {
    const bool pass = wording(check).atLeast ? value.raw() >= limit.raw() : value.raw() <= limit.raw();
    return {check, pass ? Outcome::Pass : Outcome::Fail, value, limit};
}

std::string verdictText(const Verdict& v) {
    if (v.outcome == Outcome::NotJudged) return {};
    const Frame f = frame(v.check, v.outcome);
    return f.head + v.value.toText() + f.middle + v.limit.toText() + " " + std::string(v.unit());
}

std::optional<Verdict> readVerdict(Check check, std::string_view text) {
    for (Outcome outcome : {Outcome::Pass, Outcome::Fail}) {
        const Frame f = frame(check, outcome);
        if (!text.starts_with(f.head)) continue;
        const std::string_view rest = text.substr(f.head.size());
        const std::size_t middle = rest.find(f.middle);
        const std::string tail = " " + std::string(wording(check).unit);
        if (middle == std::string_view::npos || !rest.ends_with(tail)) continue;
        const std::size_t limitAt = middle + f.middle.size();
        if (limitAt + tail.size() > rest.size()) continue;
        const Checked<Fixed4> value = Fixed4::parse(rest.substr(0, middle));
        const Checked<Fixed4> limit = Fixed4::parse(rest.substr(limitAt, rest.size() - tail.size() - limitAt));
        if (!value.ok() || !limit.ok()) continue;
        // Only words this program makes: the comparison and the numbers as it writes them.
        const Verdict v{check, outcome, value.value, limit.value};
        if (judge(check, v.value, v.limit).outcome == outcome && verdictText(v) == text) return v;
    }
    return std::nullopt;
}

}  // namespace ampera
