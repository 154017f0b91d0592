#include "model/calculation_steps.h"

#include "core/number_text.h"
#include "model/reactor_lines.h"
#include "model/summary_fields.h"

namespace ampera::model {

namespace {

std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }

}  // namespace

FaultTexts faultTexts(const MainTexts& m) {
    // The fault calculation's names of the line slots' r1, x1, r0, x0 and the element groups' R, X.
    using Name = std::string FaultTexts::*;
    static constexpr Name kLines[3][4] = {{&FaultTexts::r11, &FaultTexts::x11, &FaultTexts::r01, &FaultTexts::x01},
                                          {&FaultTexts::r12, &FaultTexts::x12, &FaultTexts::r02, &FaultTexts::x02},
                                          {&FaultTexts::r13, &FaultTexts::x13, &FaultTexts::r03, &FaultTexts::x03}};
    static constexpr Name kElements[3][2] = {
        {&FaultTexts::rd, &FaultTexts::xd}, {&FaultTexts::rd1, &FaultTexts::xd1}, {&FaultTexts::rd2, &FaultTexts::xd2}};
    FaultTexts f;
    f.transformer = {m.st, m.u, m.uf, m.pk, m.uk, m.i};
    for (std::size_t n = 0; n < 3; ++n) {
        const LineValues& v = m.lines[n];
        for (std::size_t k = 0; const std::string* text : {&v.r1, &v.x1, &v.r0, &v.x0}) f.*kLines[n][k++] = *text;
        f.*kElements[n][0] = m.elements[n].r;
        f.*kElements[n][1] = m.elements[n].x;
    }
    f.rr = m.reactor.r;
    f.xr = m.reactor.x;
    f.r0y = m.r0y;
    f.x0y = m.x0y;
    f.mode = m.faultMode().value_or(FaultMode::ThreePhase);
    return f;
}

void clearYyAdditions(Calculation& c) {
    c.set(c.main.r0y, "0");
    c.set(c.main.x0y, "0");
}

void lookUpYyAdditions(Calculation& c) {
    const Checked<double> st = parseDouble(c.main.st);
    if (!st.ok()) return;
    const YyAddition a = yyAddition(st.value);
    c.set(c.main.r0y, formatDouble(a.r0));
    c.set(c.main.x0y, formatDouble(a.x0));
}

void followTransformerPower(Calculation& c) {
    if (c.main.connection() == Connection::YY) lookUpYyAdditions(c);
}

void fillSupplyCurrent(Calculation& c) {
    if (c.main.i.empty()) c.set(c.main.i, "0");
}

void summarizeCurrent(Calculation& c) { c.set(c.summary.current, "ток к.з,кА " + c.main.current); }

const char* lineKindWord(Line1Kind kind) { return kind == Line1Kind::Overhead ? "ВЛ" : "кабель"; }

void describeLine1Kind(Calculation& c, Line1Kind kind) { c.set(c.summary.lines[0].description, lineKindWord(kind)); }

void applyFault(Calculation& c, const FaultResult& r) {
    MainTexts& m = c.main;
    c.set(m.xt, r.xtText());
    c.set(m.rt, r.rtText());
    c.set(m.xs, r.xsText());
    c.set(m.current, r.currentText());
    c.set(m.rsum, r.rSumText());
    c.set(m.xsum, r.xSumText());
    c.set(m.computedCurrent, r.currentText());
}

void chooseSlot(Calculation& c, int slot) {
    for (int s = 1; s <= 3; ++s) c.set(c.main.slotMarks[index(s)], slot == s ? std::to_string(s) : "0");
}

void describeLine(Calculation& c, int slot, const LineSummary& d) {
    LineSummary& s = c.summary.lines[index(slot)];
    for (const LineSummaryLabel& l : kLineDescriptionLabels) c.set(s.*l.text, d.*l.text);
}

void enterLine(Calculation& c, int slot, const LineValues& values, const LineSummary& d) {
    describeLine(c, slot, d);
    enterLineValues(c, slot, values);
}

void enterLineValues(Calculation& c, int slot, const LineValues& values) {
    LineValues& v = c.main.lines[index(slot)];
    c.set(v.r1, values.r1);
    c.set(v.x1, values.x1);
    c.set(v.r0, values.r0);
    c.set(v.x0, values.x0);
}

void enterElementGroup(Calculation& c, int group, const Impedance& totals, const ElementSummary& d) {
    Impedance& e = c.main.elements[index(group)];
    c.set(e.r, totals.r);
    c.set(e.x, totals.x);
    ElementSummary& s = c.summary.elements[index(group)];
    c.set(s.cable, d.cable);
    c.set(s.busbar, d.busbar);
    c.set(s.apparatus, d.apparatus);
    c.set(s.currentTransformer, d.currentTransformer);
    c.set(s.currentTransformerHeading, d.currentTransformerHeading);
    c.set(s.coils, d.coils);
}

void enterReactor(Calculation& c, bool describe) {
    const ReactorTexts& r = c.reactor;
    c.set(c.main.reactor.r, r.r);
    c.set(c.main.reactor.x, r.x);
    if (!describe) return;
    for (std::size_t k = 0; k < c.summary.reactor.size(); ++k)
        c.set(c.summary.reactor[k], kReactorLines[k].summaryPrefix + r.*kReactorLines[k].text);
}

void confirmArc(Calculation& c) {
    const ArcMotorTexts& a = c.arcMotor;
    if (a.arcToMain == "1") {
        if (!a.id.empty()) c.set(c.main.current, a.id);
        c.set(c.summary.arcKc, "коэффициент Кс " + a.kc);
        c.set(c.summary.arcZk, "сопротивление цепи Zк " + a.zk);
    } else {
        c.set(c.summary.arcKc, "коэффициент Кс ");
        c.set(c.summary.arcZk, "сопротивление цепи Zк");
    }
    c.set(c.arcMotor.arcConfirmed, "1");
}

void takeCalculatedCurrent(Calculation& c) {
    if (!c.main.computedCurrent.empty()) c.set(c.arcMotor.mainCurrent, c.main.computedCurrent);
}

void confirmMotor(Calculation& c, const std::string& withMotor) {
    ArcMotorTexts& a = c.arcMotor;
    c.set(a.withMotor, withMotor);
    c.set(c.main.current, a.motorToMain == "1" ? a.withMotor : a.mainCurrent);
    c.set(a.motorConfirmed, "1");
}

void reset(Calculation& c) {
    c.set(c.main.current, "");
    for (Part p : {Part::Reactor, Part::ArcMotor, Part::Summary, Part::Checks}) c.reset(p);
}

}  // namespace ampera::model
