#include "core/verdict.h"

#include <vector>

namespace ampera {

namespace {

// How a check's verdict is worded: its words when it passes, fails and cannot
// be assessed, with {v} the value, {l} the limit and {t} the time limit; the
// unit; and whether the value must reach the limit or not exceed it.
struct Wording {
    const char *pass, *fail, *unassessed, *unit;
    bool atLeast;
};

const Wording& wording(Check check) {
    static constexpr Wording kWordings[] = {
        {"чувствительность защиты обеспечена: Iк(1) мин. = {v} кА >= {l} кА",
         "чувствительность защиты НЕ обеспечена: Iк(1) мин. = {v} кА < {l} кА", "", "кА", true},
        {"отключающая способность достаточна: Iк(3) = {v} кА <= Icu = {l} кА",
         "отключающая способность НЕДОСТАТОЧНА: Iк(3) = {v} кА > Icu = {l} кА", "", "кА", false},
        {"включающая способность достаточна: iуд = {v} кА <= Icm = {l} кА",
         "включающая способность НЕДОСТАТОЧНА: iуд = {v} кА > Icm = {l} кА", "", "кА", false},
        {"термическая стойкость кабеля обеспечена: S = {v} мм.кв >= Sмин = {l} мм.кв",
         "термическая стойкость кабеля НЕ обеспечена: S = {v} мм.кв < Sмин = {l} мм.кв", "", "мм.кв", true},
        {"время отключения обеспечено: t ≤ {t} с при Iк(1) мин. = {v} кА >= {l} кА",
         "время отключения НЕ обеспечено: Iк(1) мин. = {v} кА < {l} кА (t ≤ {t} с)",
         "время отключения не оценивается: нет характеристики для In = {v} А", "кА", true},
    };
    return kWordings[static_cast<std::size_t>(check)];
}

const char* words(Check check, Outcome outcome) {
    const Wording& w = wording(check);
    switch (outcome) {
    case Outcome::Pass: return w.pass;
    case Outcome::Fail: return w.fail;
    case Outcome::Unassessed: return w.unassessed;
    case Outcome::NotJudged: break;
    }
    return "";
}

// The number a placeholder stands for.
Fixed4 Verdict::*slot(char name) {
    return name == 'v' ? &Verdict::value : name == 'l' ? &Verdict::limit : &Verdict::seconds;
}

// The words cut at their placeholders: the fixed pieces and, between them, the placeholders' names.
struct Pieces {
    std::vector<std::string_view> fixed;
    std::vector<char> names;
};
Pieces pieces(std::string_view words) {
    Pieces p;
    for (std::size_t at; (at = words.find('{')) != std::string_view::npos; words.remove_prefix(at + 3)) {
        p.fixed.push_back(words.substr(0, at));
        p.names.push_back(words[at + 1]);
    }
    p.fixed.push_back(words);
    return p;
}

}  // namespace

std::string_view Verdict::unit() const { return wording(check).unit; }

Verdict judge(Check check, Fixed4 value, Fixed4 limit, Fixed4 seconds) {
    const bool pass = wording(check).atLeast ? value.raw() >= limit.raw() : value.raw() <= limit.raw();
    return {check, pass ? Outcome::Pass : Outcome::Fail, value, limit, seconds};
}

std::string verdictText(const Verdict& v) {
    const Pieces p = pieces(words(v.check, v.outcome));
    std::string text(p.fixed[0]);
    for (std::size_t k = 0; k < p.names.size(); ++k) text += (v.*slot(p.names[k])).toText() += p.fixed[k + 1];
    return text;
}

std::optional<Verdict> readVerdict(Check check, std::string_view text) {
    for (Outcome outcome : {Outcome::Pass, Outcome::Fail, Outcome::Unassessed}) {
        const Pieces p = pieces(words(check, outcome));
        if (p.names.empty() || !text.starts_with(p.fixed[0])) continue;
        std::string_view rest = text.substr(p.fixed[0].size());
        Verdict v{check, outcome};
        bool read = true;
        for (std::size_t k = 0; read && k < p.names.size(); ++k) {
            const std::string_view next = p.fixed[k + 1];
            const std::size_t end = next.empty() ? rest.size() : rest.find(next);
            const Checked<Fixed4> number = end == std::string_view::npos ? Checked<Fixed4>{{}, NumError::Conversion}
                                                                         : Fixed4::parse(rest.substr(0, end));
            read = number.ok();
            if (read) {
                v.*slot(p.names[k]) = number.value;
                rest.remove_prefix(end + next.size());
            }
        }
        // Only words this program makes: the comparison and the numbers as it writes them.
        const bool judged = outcome == Outcome::Unassessed ||
                            judge(check, v.value, v.limit, v.seconds).outcome == outcome;
        if (read && judged && verdictText(v) == text) return v;
    }
    return std::nullopt;
}

}  // namespace ampera
