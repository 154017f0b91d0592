#include "model/report_content.h"

#include "core/number_text.h"
#include "model/checks_run.h"
#include "model/summary_fields.h"

namespace ampera::model {

namespace {

// A line slot's description, its heading left out.
std::array<std::string, 6> lineTexts(const LineSummary& s) {
    std::array<std::string, 6> out;
    static_assert(out.size() == kLineDescriptionLabels.size());
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = s.*kLineDescriptionLabels[k].text;
    return out;
}

std::array<ReportData::ElementLine, 5> elementColumn(const ElementSummary& s) {
    std::array<ReportData::ElementLine, 5> out;
    static_assert(out.size() == std::size(kElementSummaryLabels));
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = {s.*kElementSummaryLabels[k].heading, s.*kElementSummaryLabels[k].description};
    return out;
}

}  // namespace

ReportData reportData(Calculation& c, bool withChecks) {
    const MainTexts& m = c.main;
    const SummaryTexts& s = c.summary;
    const ArcMotorTexts& a = c.arcMotor;
    ReportData d;
    d.st = m.st;
    d.u = m.u;
    d.uf = m.uf;
    d.pk = m.pk;
    d.uk = m.uk;
    d.i = m.i;
    d.deltaY = m.connection() == Connection::DeltaY;

    d.line1 = lineTexts(s.lines[0]);
    d.line2 = lineTexts(s.lines[1]);
    d.line3 = lineTexts(s.lines[2]);
    for (std::size_t g = 0; g < 3; ++g) d.elements[g] = elementColumn(s.elements[g]);
    d.reactor = isNotZeroText(c.reactor.r);
    d.reactorLines = s.reactor;

    // The captions are those of the arc and motor page.
    d.arc = !a.kc.empty();
    d.kcCaption = "коэффициент Кс";
    d.kcValue = a.kc;
    d.zkCaption = "сопротивление цепи Zк";
    d.zkValue = a.zk;
    d.motor = isNotZeroText(a.e);
    d.motorLines = {{{"ном.ток АД, А", a.ratedCurrent},
                     {"кратность пуска", a.startFactor},
                     {"R0, мОм", a.r0},
                     {"X0, мОм", a.x0},
                     {"Xэл, мОм", a.xel},
                     {"фазная ЕДС, В", a.e}}};

    d.threePhase = m.faultMode() == FaultMode::ThreePhase;
    d.computedCurrentCaption = "ток к.з, кA";
    d.computedCurrent = m.computedCurrent;
    d.motorConfirmed = a.motorConfirmed == "1" && a.motorToMain == "1";
    d.motorCaption = "ток К.З от АД, кА";
    d.motorCurrent = a.iad;
    d.arcConfirmed = a.arcConfirmed == "1" && a.arcToMain == "1";
    d.arcCaption = "ток К.З с учетом дуги, кА";
    d.arcCurrent = a.id;
    d.shownCurrent = m.current;
    if (withChecks) d.checks = checksReportLines(c);
    return d;
}

}  // namespace ampera::model
