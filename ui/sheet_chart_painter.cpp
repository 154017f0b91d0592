#include <QPainter>

#include "ui/sheet_layout.h"
#include "ui/time_chart_drawing.h"

namespace ampera::sheet {

// The checked device's chart across the page under its heading, drawn by the
// chart module as vector graphics; without the module, neither is printed.
void SheetLayout::timeChart(const std::string& title, const model::TimeChart& chart) {
    TimeChartDrawing* drawing = timeChartDrawing().drawing;
    if (!drawing) return;
    heading(title, mm(kChartHeight));
    if (painter_) drawing->paint(*painter_, QRectF(0, y_, width_, mm(kChartHeight)), chart);
    y_ += mm(kChartHeight);
}

}  // namespace ampera::sheet
