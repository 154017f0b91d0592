#pragma once

#include <QFont>
#include <QStringList>

#include "model/time_chart.h"

class QChart;

namespace ampera::charts {

// The fonts and line width of a chart: the window's, or the sheet's, whose
// sizes are in the scene's units, pixels of 1/96 inch.
struct ChartStyle {
    QFont labels, titles, legend;
    double lineWidth = 1.5;
};

// Fills an empty chart: both axes logarithmic with the decades' grid, the
// devices' zones, the current marks upright, the time limit across, and the
// legend with an entry per device and per mark.
void buildChart(QChart& chart, const model::TimeChart& c, const ChartStyle& style);

// The legend's entries, in order, as they are drawn.
QStringList legendEntries(const QChart& chart);

}  // namespace ampera::charts
