// The module ampera-charts: the time-current chart drawn with Qt Charts, in a
// window's view and on a page, behind the interface of ui/time_chart_drawing.h.
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPaintDevice>
#include <QPainter>

#include "ui/chart/time_chart_scene.h"
#include "ui/time_chart_drawing.h"

namespace ampera::charts {

namespace {

QFont sized(const QString& family, int pixels) {
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

// The window's chart in the program's face, a little larger for the legend.
ChartStyle windowStyle(const QWidget& view) {
    const QString family = view.font().family();
    return {sized(family, 11), sized(family, 12), sized(family, 12), 1.5};
}

// The sheet's chart in the sheet's face, about 7,5 pt for the labels and 8 pt
// for the titles and the legend (pixels of 1/96 inch, the scene's unit).
ChartStyle paperStyle() {
    const QString family = QStringLiteral("DejaVu Sans");
    return {sized(family, 10), sized(family, 11), sized(family, 11), 1.2};
}

class Drawing final : public TimeChartDrawing {
public:
    QWidget* makeView(QWidget* parent) override {
        auto* view = new QChartView(new QChart, parent);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFrameShape(QFrame::NoFrame);
        return view;
    }

    void show(QWidget* view, const model::TimeChart& c) override {
        auto* v = qobject_cast<QChartView*>(view);
        if (!v) return;
        auto* chart = new QChart;
        buildChart(*chart, c, windowStyle(*v));
        // The view gives the chart it held back to its caller.
        QChart* previous = v->chart();
        v->setChart(chart);
        delete previous;
        v->setProperty(kLegendProperty, legendEntries(*chart));
    }

    // The chart laid out in a scene as large as rect in pixels of 1/96 inch,
    // then rendered into rect: lines and text stay vectors on a PDF page.
    void paint(QPainter& painter, const QRectF& rect, const model::TimeChart& c) override {
        const QPaintDevice* device = painter.device();
        const double scale = device && device->logicalDpiX() > 0 ? device->logicalDpiX() / 96.0 : 1.0;
        QGraphicsScene scene;
        auto* chart = new QChart;  // the scene's, once added
        buildChart(*chart, c, paperStyle());
        chart->setBackgroundVisible(false);
        scene.addItem(chart);
        chart->setGeometry(QRectF(0, 0, rect.width() / scale, rect.height() / scale));
        // The chart lays its axes and legend out on the events it posts to itself.
        chart->layout()->activate();
        QCoreApplication::sendPostedEvents(chart);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, rect, chart->geometry(), Qt::IgnoreAspectRatio);
        painter.restore();
    }
};

}  // namespace

}  // namespace ampera::charts

// The module's one entry point (kTimeChartEntry).
extern "C" Q_DECL_EXPORT ampera::TimeChartDrawing* amperaTimeChartDrawing(int version) {
    static ampera::charts::Drawing drawing;
    return version == ampera::kTimeChartDrawingVersion ? &drawing : nullptr;
}
