#include "model/calculation.h"

#include <algorithm>
#include <charconv>

#include "model/checks_texts.h"
#include "model/main_value_fields.h"
#include "model/reactor_lines.h"
#include "model/summary_fields.h"

namespace ampera::model {

const char* partName(Part part) {
    switch (part) {
    case Part::Main: return "Form1";
    case Part::Summary: return "Form5";
    case Part::Reactor: return "Form3";
    case Part::ArcMotor: return "Form4";
    case Part::Checks: return "Form8";
    }
    return "";
}

std::span<const ListField> listFields(Part part) {
    if (part == Part::Checks) return checksLists();
    return {};
}

bool MainTexts::slotIsCurrent(int slot) const {
    if (slot < 1 || slot > 3) return false;
    const std::string& mark = slotMarks[static_cast<std::size_t>(slot - 1)];
    int value = 0;
    const auto [end, error] = std::from_chars(mark.data(), mark.data() + mark.size(), value);
    return error == std::errc() && end == mark.data() + mark.size() && value == slot;
}

std::optional<Connection> MainTexts::connection() const {
    if (deltaY == "1") return Connection::DeltaY;
    if (yy == "1") return Connection::YY;
    return std::nullopt;
}

Line1Kind MainTexts::line1Kind() const { return overheadLine1 == "1" ? Line1Kind::Overhead : Line1Kind::Cable; }

std::optional<FaultMode> MainTexts::faultMode() const {
    if (singlePhase == "1") return FaultMode::SinglePhase;
    if (threePhase == "1") return FaultMode::ThreePhase;
    return std::nullopt;
}

namespace {

std::vector<Field> mainFields(MainTexts& m) {
    std::vector<Field> f;
    for (const TransformerField& t : kTransformerFields) f.push_back({t.name, &(m.*t.text)});
    f.insert(f.end(), {{"Option17", &m.deltaY},
                       {"Option18", &m.yy},
                       {"Option10", &m.cableLine1},
                       {"Option11", &m.overheadLine1},
                       {"Label38", &m.slotMarks[0]},
                       {"Label39", &m.slotMarks[1]},
                       {"Label40", &m.slotMarks[2]}});
    for (std::size_t s = 0; s < m.lines.size(); ++s)
        for (const auto& v : kLineValueFields) f.push_back({v.names[s], &(m.lines[s].*v.text)});
    for (std::size_t g = 0; g < m.elements.size(); ++g)
        for (const auto& v : kElementValueFields) f.push_back({v.names[g], &(m.elements[g].*v.text)});
    for (const auto& v : kReactorValueFields) f.push_back({v.names[0], &(m.reactor.*v.text)});
    f.insert(f.end(), {{"Text1", &m.xt},
                       {"Text3", &m.rt},
                       {"Text5", &m.xs},
                       {"Text6", &m.rsum},
                       {"Text7", &m.xsum},
                       {"Text8", &m.r0y},
                       {"Text9", &m.x0y},
                       {"Option12", &m.threePhase},
                       {"Option13", &m.singlePhase},
                       {"Text4", &m.current},
                       {"Label62", &m.computedCurrent}});
    return f;
}

std::vector<Field> arcMotorFields(ArcMotorTexts& a) {
    return {{"Text9", &a.kc},
            {"Text10", &a.zk},
            {"Text11", &a.id},
            {"Check2", &a.arcToMain},
            {"Text1", &a.ratedCurrent},
            {"Text2", &a.startFactor},
            {"Text3", &a.r0},
            {"Text4", &a.x0},
            {"Text5", &a.xel},
            {"Text6", &a.e},
            {"Text7", &a.iad},
            {"Check3", &a.motorToMain},
            {"Text8", &a.mainCurrent},
            {"Text12", &a.withMotor},
            {"Label13", &a.arcConfirmed},
            {"Label14", &a.motorConfirmed}};
}

}  // namespace

std::vector<Field> Calculation::fields(Part part) {
    switch (part) {
    case Part::Main: return mainFields(main);
    case Part::Summary: return summaryFields(summary);
    case Part::Reactor: return reactorFields(reactor);
    case Part::ArcMotor: return arcMotorFields(arcMotor);
    case Part::Checks: return checksFields(checks);
    }
    return {};
}

const std::string* Calculation::startText(Part part, const std::string& name) {
    static Calculation fresh;
    for (const Field& f : fresh.fields(part))
        if (name == f.name) return f.text;
    return nullptr;
}

void Calculation::set(std::string& text, const std::string& value) {
    if (text == value) return;
    text = value;
    // An observer may unobserve itself or others while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers) {
        const int stillObserving = id;  // a plain copy: clang 14 cannot capture a structured binding
        if (std::ranges::any_of(observers_, [stillObserving](const auto& o) { return o.first == stillObserving; }))
            observer(&text);
    }
}

void Calculation::reset(Part part) {
    if (part == Part::Checks) checks.verdicts = kUnjudged;  // before the words, which the windows draw by them
    std::vector<Field> start;
    static Calculation fresh;
    start = fresh.fields(part);
    const std::vector<Field> now = fields(part);
    for (std::size_t k = 0; k < now.size(); ++k) set(*now[k].text, *start[k].text);
}

int Calculation::observe(Observer observer) {
    observers_.emplace_back(nextId_, std::move(observer));
    return nextId_++;
}

void Calculation::unobserve(int id) {
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

}  // namespace ampera::model
