// Writes the sheets that check_sheet_pdf.sh checks: ampera-sheet-write DIR.
// For each case DIR/<case>.pdf, and DIR/<case>.expected with the texts the
// PDF must show, one a line: the title, every input value, every point's
// currents, the verdicts and the first page's footer.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <fstream>

#include "model/checks_run.h"
#include "model/sheet_content.h"
#include "tests/calculation_cases.h"
#include "ui/qt_text.h"
#include "ui/sheet_output.h"

namespace {

using namespace ampera;

std::vector<std::string> expectedTexts(const model::SheetContent& s) {
    std::vector<std::string> out = {s.title, s.standard, s.file, s.printed, s.program, "Лист 1 из"};
    for (const model::SheetSection& section : s.sections) {
        out.push_back(section.title);
        for (const model::SheetRow& row : section.table.rows) {
            if (section.title == "Исходные данные" && row.cells.size() == 3) out.push_back(row.cells[1]);
            if (section.title == "Токи КЗ по точкам") out.insert(out.end(), row.cells.begin(), row.cells.end());
            if (section.title == "Проверка защитного аппарата и кабеля") out.push_back(row.cells.back());
        }
    }
    std::erase_if(out, [](const std::string& t) { return t.empty(); });
    return out;
}

bool write(const QDir& dir, const std::string& name, model::Calculation& c, const std::string& fileName) {
    const model::SheetContent s = model::sheetContent(
        c, {.fileName = fileName, .printed = "09.12.2026 14:05", .points = model::sheetPoints(c)});
    QString error;
    if (!writeSheetPdf(s, dir.filePath(q(name + ".pdf")), &error)) {
        std::fprintf(stderr, "%s\n", text(error).c_str());
        return false;
    }
    std::ofstream expected(text(dir.filePath(q(name + ".expected"))), std::ios::binary);
    for (const std::string& t : expectedTexts(s)) expected << t << '\n';
    return bool(expected);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ampera-sheet-write DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));

    // The worked example with three sections, checked in the checks window: every verdict holds.
    model::Calculation worked;
    cases::threeSections(worked);
    cases::checks(worked, "100", "15", "95");
    model::runChecks(worked);
    // The same loop behind a reactor, with a large breaker and a small Icu, never computed there;
    // its input data go on over the page.
    model::Calculation failing;
    cases::threeSections(failing);
    cases::reactor(failing);
    cases::checks(failing, "400", "1", "10");
    model::Calculation empty;

    const bool ok = write(dir, "worked", worked, "фидер 1.ampera") && write(dir, "failing", failing, "") &&
                    write(dir, "empty", empty, "");
    return ok ? 0 : 1;
}
