#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QWidget;

namespace ampera {

namespace model {
struct TimeChart;
}

// The time-current chart drawn with Qt Charts. The drawing lives in the
// module ampera-charts (ui/chart/), loaded when a chart is first drawn, so
// that the program starts without Qt Charts and the OpenGL libraries it needs.
class TimeChartDrawing {
public:
    virtual ~TimeChartDrawing() = default;
    // A chart view for a window, empty until show().
    virtual QWidget* makeView(QWidget* parent) = 0;
    // Draws the chart in a view made by makeView. The view's property
    // kLegendProperty then lists the legend's entries in order.
    virtual void show(QWidget* view, const model::TimeChart& chart) = 0;
    // The same chart as vector graphics into rect of the painter (a page of the sheet).
    virtual void paint(QPainter& painter, const QRectF& rect, const model::TimeChart& chart) = 0;
};

inline constexpr const char* kLegendProperty = "legend";

// The module's one exported function: the drawing for this version of the
// interface, nullptr for another (a module of another build of the program).
inline constexpr int kTimeChartDrawingVersion = 1;
inline constexpr const char* kTimeChartEntry = "amperaTimeChartDrawing";
using TimeChartEntry = TimeChartDrawing* (*)(int version);

// A loaded drawing, or why there is none, as the window says it:
// "Модуль графиков не загружен: …".
struct LoadedDrawing {
    TimeChartDrawing* drawing = nullptr;
    QString message{};
};

// Loads the module from the first of the files that exists and gives its drawing.
LoadedDrawing loadTimeChartDrawing(const QStringList& files);

// The program's drawing: the module beside the executable or, for an
// installed program, in <libdir>/ampera/modules/, loaded on the first call and kept
// until the program ends.
const LoadedDrawing& timeChartDrawing();

}  // namespace ampera
