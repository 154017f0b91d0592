// The time of writing the calculation sheet as a PDF, measured by hand (not
// by CI): the sheet's content built from the calculation, drawn, and the file
// written beside its target and renamed, for a one-page sheet (nothing
// entered) and a full one (three sections, two element groups, the reactor,
// the checks). Prints the median, the fastest and the slowest of the runs,
// and the median of making the same PDF in memory only, without the file.
//
// usage: QT_QPA_PLATFORM=offscreen build/ampera-sheet-bench [RUNS]
#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/sheet_content.h"
#include "tests/calculation_cases.h"
#include "ui/sheet_output.h"
#include "ui/sheet_painter.h"

namespace {

using namespace ampera;

struct Figures {
    double median, fastest, slowest;
};

// With an empty path the PDF is only made in memory, not written.
Figures measure(const model::Calculation& c, const QString& path, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const model::SheetContent s = model::sheetContent(
            c, {.fileName = "фидер.ampera", .printed = "09.12.2026 14:05", .points = model::sheetPoints(c)});
        QString error;
        if (path.isEmpty()) {
            if (sheetPdf(s).isEmpty()) std::exit(1);
        } else if (!writeSheetPdf(s, path, &error)) {
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
            std::exit(1);
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

int pages(const model::Calculation& c) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(sheetPageLayout());
    return paintSheet(writer, model::sheetContent(c, {.points = model::sheetPoints(c)}));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;

    model::Calculation empty;
    model::Calculation full;
    cases::threeSections(full);
    cases::reactor(full);
    cases::checks(full, "160", "15", "95");

    // The first sheet loads the font; it is the one the user waits for after start.
    QElapsedTimer first;
    first.start();
    measure(empty, dir.filePath("first.pdf"), 1);
    std::printf("first sheet after start (font loaded): %.1f ms\n", first.nsecsElapsed() / 1e6);
    for (auto [name, c] : {std::pair{"nothing entered", &empty}, std::pair{"full sheet", &full}}) {
        const Figures f = measure(*c, dir.filePath("sheet.pdf"), runs);
        const Figures m = measure(*c, QString(), runs);
        std::printf("%s, %d page(s), median of %d: %.1f ms (fastest %.1f, slowest %.1f); in memory only %.1f ms\n",
                    name, pages(*c), runs, f.median, f.fastest, f.slowest, m.median);
    }
    return 0;
}
