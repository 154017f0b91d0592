// The chart module as the program loads it: where it is looked for, what a
// window says when it cannot be loaded, and what its view's legend lists.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "core/fault_checks.h"
#include "core/time_current.h"
#include "model/time_chart.h"
#include "ui/time_chart_drawing.h"

namespace ampera {
namespace {

const QString kPrefix = "Модуль графиков не загружен: ";

// The module beside the test's executable, as beside the program in the build tree.
QString builtModule() { return QDir(QCoreApplication::applicationDirPath()).filePath(AMPERA_CHARTS_MODULE); }

TEST(TimeChartDrawing, LoadsTheFirstModuleThatLoadsOrSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("ampera-charts.so"), other = dir.filePath("другой/ampera-charts.so");

    // No file anywhere: both places named.
    LoadedDrawing none = loadTimeChartDrawing({missing, other});
    EXPECT_EQ(none.drawing, nullptr);
    EXPECT_EQ(none.message, kPrefix + "нет файла " + missing + " или " + other);

    // A file that is no library: the loader's reason, naming it.
    QFile text(missing);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("не библиотека");
    text.close();
    const LoadedDrawing broken = loadTimeChartDrawing({missing});
    EXPECT_EQ(broken.drawing, nullptr);
    EXPECT_TRUE(broken.message.startsWith(kPrefix)) << broken.message.toStdString();
    EXPECT_TRUE(broken.message.contains(missing)) << broken.message.toStdString();

    // The program's drawing is the module beside it, loaded once; a place that
    // fails gives way to the next, and the same module gives the same drawing.
    const LoadedDrawing& program = timeChartDrawing();
    ASSERT_NE(program.drawing, nullptr) << program.message.toStdString();
    EXPECT_TRUE(program.message.isEmpty());
    EXPECT_EQ(&timeChartDrawing(), &program);
    const LoadedDrawing next = loadTimeChartDrawing({other, missing, builtModule()});
    EXPECT_EQ(next.drawing, program.drawing);
    EXPECT_TRUE(next.message.isEmpty());

    // A module of another version of the interface gives no drawing.
    QLibrary module(builtModule());
    const auto entry = reinterpret_cast<TimeChartEntry>(module.resolve(kTimeChartEntry));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(kTimeChartDrawingVersion), program.drawing);
    EXPECT_EQ(entry(kTimeChartDrawingVersion + 1), nullptr);
}

// The legend names each device that has a boundary once, then each current
// and the limit; a view shows each chart it is given in place of the last.
TEST(TimeChartDrawing, LegendOfTheView) {
    TimeChartDrawing* drawing = timeChartDrawing().drawing;
    ASSERT_NE(drawing, nullptr);
    const std::unique_ptr<QWidget> view(drawing->makeView(nullptr));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->property(kLegendProperty).toStringList(), QStringList());

    model::TimeChart chart;
    chart.devices.push_back({"C 16 А", *timeZone(ProtectiveDevice::BreakerC, 16, 0)});
    chart.devices.push_back({"без точек", {}});
    chart.devices.push_back({"только верхняя", {.lower = {}, .upper = {{100, 10}, {300, 0.1}}, .stepped = false}});
    chart.devices.push_back({"нули", {.lower = {{0, 1}}, .upper = {{10, 0}}}});
    chart.currents = {{"Iк(1) мин. = 0,5 кА", 500}, {"Iк(3) = 1,2 кА", 1200}};
    chart.limit = model::ChartMark{"t ≤ 0,4 с (ПУЭ 1.7.79)", 0.4};
    chart.maxCurrent = 10000;
    drawing->show(view.get(), chart);
    EXPECT_EQ(
        view->property(kLegendProperty).toStringList(),
        (QStringList{"C 16 А", "только верхняя", "Iк(1) мин. = 0,5 кА", "Iк(3) = 1,2 кА", "t ≤ 0,4 с (ПУЭ 1.7.79)"}));

    drawing->show(view.get(), model::TimeChart{.currents = {{"Iк(3) = 8 кА", 8000}}});
    EXPECT_EQ(view->property(kLegendProperty).toStringList(), QStringList{"Iк(3) = 8 кА"});
}

}  // namespace
}  // namespace ampera
