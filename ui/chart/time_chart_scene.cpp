#include "ui/chart/time_chart_scene.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <algorithm>
#include <iterator>

namespace ampera::charts {

using model::kChartMaxSeconds;
using model::kChartMinCurrent;
using model::kChartMinSeconds;

namespace {

// A device's boundaries in its colour, its zone filled with the same colour, light and translucent.
const QColor kDeviceColours[] = {QColor(0, 90, 190), QColor(0, 140, 70), QColor(150, 60, 170), QColor(210, 110, 0)};
constexpr int kZoneAlpha = 45, kMarkerAlpha = 110;
// The current marks: the minimum current red, the three-phase one brown; the limit black.
const QColor kMarkColours[] = {QColor(210, 0, 0), QColor(130, 60, 0), QColor(90, 90, 90)};
const QColor kLimitColour(0, 0, 0);
const QColor kAxisColour(60, 60, 60), kGridColour(175, 175, 175), kMinorGridColour(225, 225, 225);

QColor deviceColour(std::size_t k) { return kDeviceColours[k % std::size(kDeviceColours)]; }
QColor markColour(std::size_t k) { return kMarkColours[k % std::size(kMarkColours)]; }

// A boundary as drawn: its points from the smallest current up, a stepped one
// holding each time up to the next point's current, closed by an upright line
// from the top of the time axis to its first point and from its last point
// down to the bottom of the axis.
QList<QPointF> boundary(const std::vector<TimePoint>& points, bool stepped) {
    QList<QPointF> out;
    for (const TimePoint& p : points) {
        if (!(p.current > 0 && p.seconds > 0)) continue;  // nothing on logarithmic axes
        if (stepped && !out.isEmpty()) out.append(QPointF(p.current, out.back().y()));
        out.append(QPointF(p.current, p.seconds));
    }
    if (out.isEmpty()) return out;
    if (out.front().y() < kChartMaxSeconds) out.prepend(QPointF(out.front().x(), kChartMaxSeconds));
    if (out.back().y() > kChartMinSeconds) out.append(QPointF(out.back().x(), kChartMinSeconds));
    return out;
}

// A logarithmic axis from one power of ten to another, its decades gridded and
// their 2 … 9 lightly.
QLogValueAxis* logAxis(QChart& chart, Qt::Alignment side, const char* title, double from, double to,
                       const ChartStyle& style) {
    auto* axis = new QLogValueAxis;
    chart.addAxis(axis, side);
    axis->setBase(10);
    // The axis labels the powers of ten from the first one not below its
    // minimum, as the logarithm computes it: a minimum a hair lower keeps its own label.
    axis->setRange(from * (1 - 1e-9), to);
    // 0,01 … 10000 as they are read: the chart's locale gives the decimal comma
    // (a "%g" without its precision gives no label at all).
    axis->setLabelFormat(QStringLiteral("%.10g"));
    axis->setTitleText(QString::fromUtf8(title));
    axis->setTitleFont(style.titles);
    axis->setLabelsFont(style.labels);
    axis->setLabelsColor(kAxisColour);
    axis->setTitleBrush(kAxisColour);
    axis->setLinePen(QPen(kAxisColour, 1));
    axis->setGridLinePen(QPen(kGridColour, 0.8));
    axis->setMinorTickCount(-1);
    axis->setMinorGridLinePen(QPen(kMinorGridColour, 0.6));
    return axis;
}

// A line through the points in the pen, named in the legend.
QLineSeries* line(QChart& chart, const QList<QPointF>& points, const QString& name, const QPen& pen) {
    auto* s = new QLineSeries;
    s->append(points);
    s->setName(name);
    chart.addSeries(s);
    s->setPen(pen);
    return s;
}

// Every series not yet on the axes onto both (an area series' edges go with it).
void attach(QChart& chart, QAbstractAxis* x, QAbstractAxis* y) {
    for (QAbstractSeries* s : chart.series()) {
        if (!s->attachedAxes().isEmpty()) continue;
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

void hideFromLegend(QChart& chart, QAbstractSeries* s) {
    for (QLegendMarker* m : chart.legend()->markers(s)) m->setVisible(false);
}

// A device's zone: the band between its boundaries filled, the boundaries
// drawn over it, one legend entry with the fill framed in the device's colour.
void zone(QChart& chart, const model::ChartDevice& d, const QColor& colour, const ChartStyle& style) {
    const QList<QPointF> lower = boundary(d.zone.lower, false), upper = boundary(d.zone.upper, d.zone.stepped);
    if (lower.isEmpty() && upper.isEmpty()) return;
    const QPen pen(colour, style.lineWidth);
    QColor fill = colour;
    fill.setAlpha(kZoneAlpha);
    if (!lower.isEmpty() && !upper.isEmpty()) {
        // The band owns its edges: an area series does not take the series it is given.
        auto* band = new QAreaSeries;
        band->setUpperSeries(new QLineSeries(band));
        band->setLowerSeries(new QLineSeries(band));
        band->upperSeries()->append(upper);
        band->lowerSeries()->append(lower);
        band->setName(QString::fromStdString(d.name));
        chart.addSeries(band);
        band->setPen(Qt::NoPen);  // the boundaries are drawn as lines, not the band's closing edges
        band->setBrush(fill);
        for (QAbstractSeries* edge : {line(chart, lower, {}, pen), line(chart, upper, {}, pen)})
            hideFromLegend(chart, edge);
        return;
    }
    line(chart, lower.isEmpty() ? upper : lower, QString::fromStdString(d.name), pen);
}

// A zone's legend entry: a square of its fill, denser, framed in the device's
// colour (its band has no pen of its own, and the shape the legend takes from
// an area series ignores the marker's pen).
void markZones(QChart& chart, const ChartStyle& style) {
    for (QAbstractSeries* s : chart.series()) {
        auto* band = qobject_cast<QAreaSeries*>(s);
        if (!band) continue;
        QColor colour = band->brush().color(), fill = colour;
        colour.setAlpha(255);
        fill.setAlpha(kMarkerAlpha);
        for (QLegendMarker* m : chart.legend()->markers(band)) {
            m->setShape(QLegend::MarkerShapeRectangle);
            m->setPen(QPen(colour, style.lineWidth));
            m->setBrush(fill);
        }
    }
}

}  // namespace

void buildChart(QChart& chart, const model::TimeChart& c, const ChartStyle& style) {
    QLocale russian(QLocale::Russian, QLocale::Russia);
    russian.setNumberOptions(QLocale::OmitGroupSeparator);
    chart.setLocale(russian);
    chart.setLocalizeNumbers(true);
    chart.setBackgroundRoundness(0);
    chart.setDropShadowEnabled(false);
    chart.setMargins(QMargins(4, 4, 4, 4));

    const double maxCurrent = std::max(c.maxCurrent, kChartMinCurrent * 10);
    for (std::size_t k = 0; k < c.devices.size(); ++k) zone(chart, c.devices[k], deviceColour(k), style);
    for (std::size_t k = 0; k < c.currents.size(); ++k) {
        const model::ChartMark& m = c.currents[k];
        line(chart, {{m.value, kChartMinSeconds}, {m.value, kChartMaxSeconds}}, QString::fromStdString(m.name),
             QPen(markColour(k), style.lineWidth));
    }
    if (c.limit) {
        QPen dashed(kLimitColour, style.lineWidth, Qt::DashLine);
        line(chart, {{kChartMinCurrent, c.limit->value}, {maxCurrent, c.limit->value}},
             QString::fromStdString(c.limit->name), dashed);
    }

    QLogValueAxis* x = logAxis(chart, Qt::AlignBottom, model::kChartCurrentAxis, kChartMinCurrent, maxCurrent, style);
    QLogValueAxis* y = logAxis(chart, Qt::AlignLeft, model::kChartTimeAxis, kChartMinSeconds, kChartMaxSeconds, style);
    attach(chart, x, y);

    QLegend* legend = chart.legend();
    legend->setAlignment(Qt::AlignRight);
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    legend->setFont(style.legend);
    legend->setLabelColor(QColor(0, 0, 0));
    legend->setShowToolTips(true);
    markZones(chart, style);
}

QStringList legendEntries(const QChart& chart) {
    QStringList out;
    for (QLegendMarker* m : chart.legend()->markers())
        if (m->isVisible()) out << m->label();
    return out;
}

}  // namespace ampera::charts
