#include "ui/time_chart_drawing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ampera {

LoadedDrawing loadTimeChartDrawing(const QStringList& files) {
    QString why;  // the first file's failure, when none loads
    for (const QString& file : files) {
        if (!QFileInfo::exists(file)) continue;
        // Never unloaded: the drawing and the widgets it makes live until the program ends.
        QLibrary library(file);
        QString failure;
        if (!library.load()) {
            failure = library.errorString();
        } else if (const auto entry = reinterpret_cast<TimeChartEntry>(library.resolve(kTimeChartEntry)); !entry) {
            failure = file + " не модуль графиков ampera";
        } else if (TimeChartDrawing* drawing = entry(kTimeChartDrawingVersion)) {
            return {drawing, {}};
        } else {
            failure = file + " от другой версии программы";
        }
        if (why.isEmpty()) why = failure;
    }
    if (why.isEmpty()) why = "нет файла " + files.join(QStringLiteral(" или "));
    return {nullptr, QStringLiteral("Модуль графиков не загружен: ") + why};
}

const LoadedDrawing& timeChartDrawing() {
    static const LoadedDrawing loaded = [] {
        const QDir bin(QCoreApplication::applicationDirPath());
        const QString module = QStringLiteral(AMPERA_CHARTS_MODULE);
        return loadTimeChartDrawing(
            {QDir::cleanPath(bin.filePath(module)),
             QDir::cleanPath(bin.filePath(QStringLiteral(AMPERA_CHARTS_FROM_BIN "/") + module))});
    }();
    return loaded;
}

}  // namespace ampera
