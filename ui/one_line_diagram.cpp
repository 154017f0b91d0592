#include "ui/one_line_diagram.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <iterator>

namespace ampera {

namespace {

struct Caption {
    const char* name;
    const char* text;
    double x, y;  // fractions of the diagram's size, top-left of the caption
};

// Four nodes at 6 %, 38 %, 66 % and 92 % of the width; the captions of the
// nodes above the bus line, those of the lines below it.
constexpr Caption kCaptions[] = {
    {"Label8", "ТП 10(6)/0,4", 0.0, 0.02}, {"Label9", "РУ-0,4", 0.33, 0.02},  {"Label10", "СЩ", 0.64, 0.02},
    {"Label11", "ЭП", 0.90, 0.02},         {"Label12", "Л1", 0.20, 0.62},     {"Label13", "Л2", 0.50, 0.62},
    {"Label14", "Л3", 0.77, 0.62},         {"Label15", "кабель", 0.46, 0.80}, {"Label16", "кабель", 0.73, 0.80},
};

static_assert(std::size(kCaptions) == 9, "one label per caption, see the header");

constexpr double kNodes[] = {0.06, 0.38, 0.66, 0.92};

}  // namespace

OneLineDiagram::OneLineDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName("Image3");
    // All captions share the diagram's font: one metric sizes them all.
    const QFontMetrics metrics(font());
    for (std::size_t i = 0; i < std::size(kCaptions); ++i) {
        const QString text = QString::fromUtf8(kCaptions[i].text);
        labels_[i] = new QLabel(text, this);
        labels_[i]->setObjectName(kCaptions[i].name);
        labels_[i]->resize(metrics.size(0, text));
    }
}

void OneLineDiagram::resizeEvent(QResizeEvent*) {
    for (std::size_t i = 0; i < std::size(kCaptions); ++i)
        labels_[i]->move(static_cast<int>(kCaptions[i].x * width()), static_cast<int>(kCaptions[i].y * height()));
}

void OneLineDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = width(), h = height();

    const int y = h / 2;
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawLine(static_cast<int>(kNodes[0] * w) + 12, y, static_cast<int>(kNodes[3] * w), y);

    // the transformer: two circles
    const int tx = static_cast<int>(kNodes[0] * w);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(tx - 4, y), 8, 8);
    p.drawEllipse(QPoint(tx + 6, y), 8, 8);

    // switchboard and distribution board: bus bars
    for (int i = 1; i <= 2; ++i) {
        const int x = static_cast<int>(kNodes[i] * w);
        p.setPen(QPen(QColor(0, 0, 128), 4));
        p.drawLine(x, y - 14, x, y + 14);
    }
    // the consumer: a circle
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.setBrush(QColor(236, 233, 216));
    const int ex = static_cast<int>(kNodes[3] * w);
    p.drawEllipse(QPoint(ex + 8, y), 8, 8);

    // the fault point on the last line
    p.setPen(QPen(QColor(200, 0, 0), 2));
    const int fx = static_cast<int>(0.86 * w);
    p.drawLine(fx - 5, y - 12, fx + 3, y - 2);
    p.drawLine(fx + 3, y - 2, fx - 3, y + 2);
    p.drawLine(fx - 3, y + 2, fx + 5, y + 12);
}

}  // namespace ampera
