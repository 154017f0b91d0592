// The time of writing the calculation sheet as a PDF, measured by hand (not
// by CI): the sheet's content built from the calculation, drawn, and the file
// written beside its target and renamed, for a one-page sheet (nothing
// entered) and a full one (three sections, two element groups, the reactor,
// the checks). Prints the median, the fastest and the slowest of the runs.
//
// usage: QT_QPA_PLATFORM=offscreen build/ampera-sheet-bench [RUNS]
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/sheet_content.h"
#include "tests/sheet/sheet_cases.h"
#include "ui/sheet_output.h"

namespace {

using namespace ampera;

struct Figures {
    double median, fastest, slowest;
};

Figures measure(const model::Calculation& c, const QString& path, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const model::SheetContent s = model::sheetContent(
            c, {.fileName = "фидер.ampera", .printed = "09.12.2026 14:05", .points = model::sheetPoints(c)});
        QString error;
        if (!writeSheetPdf(s, path, &error)) {
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
            std::exit(1);
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;

    model::Calculation empty;
    model::Calculation full;
    sheet_cases::threeSections(full);
    sheet_cases::reactor(full);
    sheet_cases::checks(full, "160", "15", "95");

    // The first sheet loads the font; it is the one the user waits for after start.
    QElapsedTimer first;
    first.start();
    measure(empty, dir.filePath("first.pdf"), 1);
    std::printf("first sheet after start (font loaded): %.1f ms\n", first.nsecsElapsed() / 1e6);
    for (auto [name, c] : {std::pair{"one-page sheet", &empty}, std::pair{"full sheet (2 pages)", &full}}) {
        const Figures f = measure(*c, dir.filePath("sheet.pdf"), runs);
        std::printf("%s, median of %d: %.1f ms (fastest %.1f, slowest %.1f)\n", name, runs, f.median, f.fastest,
                    f.slowest);
    }
    return 0;
}
