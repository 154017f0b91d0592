#include "storage/report_writer.h"

#include <string_view>

#include "storage/cp1251.h"
#include "storage/file_access.h"

namespace ampera {

namespace {

constexpr std::string_view kRule = "==================";
constexpr std::string_view kTransformerHeading = "Данные трансформатора";
constexpr std::string_view kSt = "Sт,кВА = ";
constexpr std::string_view kU = "Uвн,кВ = ";
constexpr std::string_view kUf = "Uнн,В = ";
constexpr std::string_view kPk = "Рк,кВт = ";
constexpr std::string_view kUk = "Uк,% = ";
constexpr std::string_view kI = "Iкз,кА(ВН) = ";
constexpr std::string_view kWindings = "Схема соединений обмоток - ";
constexpr std::string_view kDeltaY = "Д/Y";
constexpr std::string_view kStarStar = "Y/Y";
constexpr std::string_view kLine1 = "ЛИНИЯ №1";
constexpr std::string_view kLine2 = "ЛИНИЯ №2";
constexpr std::string_view kLine3 = "ЛИНИЯ №3";
constexpr std::string_view kReactor = "СОПРОТИВЛЕНИЕ РЕАКТОРА";
constexpr std::string_view kArc = "УЧЕТ ДУГИ";
constexpr std::string_view kEquals = " = ";
constexpr std::string_view kMotor = "УЧЕТ АД";
constexpr std::string_view kThreePhase = "РАСЧЕТ 3-x ФАЗНОГО К.З";
constexpr std::string_view kSinglePhase = "РАСЧЕТ 1-но ФАЗНОГО К.З";
constexpr std::string_view kTotal = "суммарный ток кз = ";
constexpr std::string_view kDash = "------------------";
constexpr std::string_view kChecks = "ПРОВЕРКА ПО ТОКАМ КЗ";

class ReportText {
public:
    // An ordinary report line: text, CR, then the line end.
    void line(std::string_view text) {
        out_ += text;
        out_ += "\r\r\n";
    }
    void line(std::string_view a, std::string_view b) {
        out_ += a;
        line(b);
    }
    void line(std::string_view a, std::string_view b, std::string_view c) {
        out_ += a;
        out_ += b;
        line(c);
    }
    // The last line of the line-2 and line-3 blocks: text, CR LF, line end.
    void blockEnd(std::string_view text) {
        out_ += text;
        out_ += "\r\n\r\n";
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void lineBlock(ReportText& r, std::string_view heading, const std::array<std::string, 6>& texts, bool extraEnd) {
    r.line(kDash);
    r.line(heading);
    for (std::size_t k = 0; k + 1 < texts.size(); ++k) r.line(texts[k]);
    if (extraEnd) {
        r.blockEnd(texts.back());
    } else {
        r.line(texts.back());
    }
    r.line(kDash);
}

void elementColumn(ReportText& r, const std::array<ReportData::ElementLine, 5>& column) {
    for (std::size_t k = 0; k < column.size(); ++k) {
        if (column[k].value.empty()) continue;
        r.line(column[k].heading, " ", column[k].value);
        if (k < 4) r.line(kDash);
    }
}

// The report's characters that Windows-1251 lacks, spelt with letters it
// has, so that the file still reads right: the Σ of RΣ and XΣ becomes "сум"
// (суммарное), "Rсум". Any other such character becomes the code page's '?'.
std::string spelledForCodePage(std::string text) {
    static constexpr std::pair<std::string_view, std::string_view> kSpellings[] = {{"Σ", "сум"}, {"≤", "<="}};
    for (const auto& [from, to] : kSpellings)
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    return text;
}

}  // namespace

std::string buildReport(const ReportData& d) {
    ReportText r;
    r.line(kRule);
    r.line(kTransformerHeading);
    r.line(kSt, d.st);
    r.line(kU, d.u);
    r.line(kUf, d.uf);
    r.line(kPk, d.pk);
    r.line(kUk, d.uk);
    r.line(kI, d.i);
    r.line(kWindings, d.deltaY ? kDeltaY : kStarStar);

    if (!d.line1[1].empty()) lineBlock(r, kLine1, d.line1, false);
    elementColumn(r, d.elements[0]);
    if (!d.line2[0].empty()) lineBlock(r, kLine2, d.line2, true);
    elementColumn(r, d.elements[1]);
    if (!d.line3[0].empty()) lineBlock(r, kLine3, d.line3, true);
    elementColumn(r, d.elements[2]);

    if (d.reactor) {
        r.line(kDash);
        r.line(kReactor);
        for (const std::string& text : d.reactorLines) r.line(text);
    }
    if (d.arc) {
        r.line(kDash);
        r.line(kArc);
        r.line(d.kcCaption, kEquals, d.kcValue);
        r.line(d.zkCaption, kEquals, d.zkValue);
    }
    if (d.motor) {
        r.line(kDash);
        r.line(kMotor);
        for (const auto& [caption, field] : d.motorLines) r.line(caption, kEquals, field);
    }

    r.line(kDash);
    r.line(d.threePhase ? kThreePhase : kSinglePhase);
    if (!d.computedCurrent.empty()) r.line(d.computedCurrentCaption, kEquals, d.computedCurrent);
    if (d.motorConfirmed) r.line(d.motorCaption, kEquals, d.motorCurrent);
    if (d.arcConfirmed) r.line(d.arcCaption, kEquals, d.arcCurrent);
    if (!d.shownCurrent.empty()) r.line(kTotal, d.shownCurrent);
    if (!d.checks.empty()) {
        r.line(kDash);
        r.line(kChecks);
        for (const std::string& text : d.checks) r.line(text);
    }
    r.line(kRule);
    r.blockEnd("");  // the closing empty line
    return r.take();
}

bool appendReport(const std::string& path, const ReportData& data, std::optional<StorageError>* error) {
    if (error) error->reset();
    StorageError failure;
    if (!files::append(path, utf8ToCp1251(spelledForCodePage(buildReport(data))), failure)) {
        if (error) *error = failure;
        return false;
    }
    return true;
}

}  // namespace ampera
