#include "ui/sheet_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>

#include "ui/qt_text.h"
#include "ui/sheet_layout.h"

namespace ampera {

namespace sheet {

SheetLayout::SheetLayout(QPagedPaintDevice& device, QPainter* painter, int pages)
    : device_(device), painter_(painter), pages_(pages), family_(sheetFontFamily()), base_(device.pageLayout()) {
    unit_ = device.logicalDpiY() / 25.4;
    // Only a PDF engine writes each page in its own orientation; a print
    // preview or another printer keeps the first page's.
    const QPaintEngine* engine = static_cast<QPaintDevice&>(device).paintEngine();
    turns_ = engine && engine->type() == QPaintEngine::Pdf;
    orientation_ = base_.orientation();
    width_ = device.width();
    height_ = device.height();
    bottom_ = height_ - mm(kFooterHeight);
}

int SheetLayout::run(const model::SheetContent& c) {
    title(c);
    for (const model::SheetSection& s : c.sections) {
        if (orientationOf(s) != orientation_) newPage(orientationOf(s));
        switch (s.kind) {
        case model::SectionKind::Diagram: diagram(s.title, c.diagram); break;
        case model::SectionKind::NetworkDiagram: networkDiagram(s, c.network); break;
        case model::SectionKind::TimeChart:
            if (c.chart) timeChart(s.title, *c.chart);
            break;
        case model::SectionKind::Table:
            if (s.landscape) freshPage(orientation_);
            table(s);
            break;
        }
    }
    endPage();
    return page_;
}

QFont SheetLayout::font(double pt, bool bold) const {
    QFont f(family_);
    f.setPointSizeF(pt);
    f.setBold(bold);
    f.setKerning(true);
    return f;
}

// ---- pages

QPageLayout::Orientation SheetLayout::orientationOf(const model::SheetSection& s) const {
    return s.landscape ? QPageLayout::Landscape : base_.orientation();
}

// The content area of a page in orientation o: the device's own, or its
// page turned, measured from the page's size and margins alike in both runs.
void SheetLayout::setPage(QPageLayout::Orientation o) {
    orientation_ = o;
    if (o == base_.orientation()) {
        width_ = device_.width();
        height_ = device_.height();
    } else {
        QPageLayout turned = base_;
        turned.setOrientation(o);
        const QRect r = turned.paintRectPixels(device_.logicalDpiX());
        width_ = r.width();
        height_ = r.height();
    }
    bottom_ = height_ - mm(kFooterHeight);
    rotated_ = painter_ && !turns_ && o != base_.orientation();
    if (!rotated_) return;
    // A device that cannot turn its page: the page drawn turned a quarter
    // counterclockwise, scaled to fit and centred on the device's page.
    const double w = device_.width(), h = device_.height();
    const double scale = std::min(w / height_, h / width_);
    painter_->save();
    painter_->translate((w - scale * height_) / 2, h - (h - scale * width_) / 2);
    painter_->rotate(-90);
    painter_->scale(scale, scale);
}

// Ends the page with its footer and begins the next in orientation o.
void SheetLayout::newPage(QPageLayout::Orientation o) {
    if (painter_) {
        endPage();
        if (turns_ && o != orientation_) device_.setPageOrientation(o);
        device_.newPage();
    }
    ++page_;
    y_ = 0;
    setPage(o);
}

// A page of its own for what follows: a new one unless the page in
// orientation o is still empty.
void SheetLayout::freshPage(QPageLayout::Orientation o) {
    if (y_ > 0 || o != orientation_) newPage(o);
}

void SheetLayout::endPage() {
    footer(*content_);
    if (rotated_) painter_->restore();
    rotated_ = false;
}

void SheetLayout::footer(const model::SheetContent& c) {
    if (!painter_) return;
    const QFont f = font(kSmallPt);
    const double top = bottom_ + mm(kFooterHeight) - lineHeight(f);
    painter_->setPen(QPen(kGrid, mm(0.2)));
    painter_->drawLine(QPointF(0, top - mm(1)), QPointF(width_, top - mm(1)));
    wrapped(q(c.program), f, width_ / 2, 0, top);
    const QString page = q(model::sheetPageText(page_, pages_));
    wrapped(page, f, width_ / 2, width_ / 2, top, Qt::AlignRight);
}

// ---- text

// Lays text out wrapped to width: at word boundaries, within a word only
// where the word is wider than the width. Returns the height. The layout
// holds its font as made for the device, which sizes it in points.
double SheetLayout::layOut(QTextLayout& layout, double width, Qt::Alignment align) {
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// The height of text wrapped to width.
double SheetLayout::measure(const QString& s, const QFont& f, double width) const {
    QTextLayout layout(s, f, &device_);
    return layOut(layout, width, Qt::AlignLeft);
}

// Text wrapped to width, drawn (with a painter) at left, top in ink; returns its height.
double SheetLayout::wrapped(const QString& s, const QFont& f, double width, double left, double top,
                            Qt::Alignment align, const QColor& ink) const {
    QTextLayout layout(s, f, &device_);
    const double height = layOut(layout, width, align);
    if (painter_) {
        painter_->setPen(ink);
        layout.draw(painter_, QPointF(left, top));
    }
    return height;
}

double SheetLayout::advance(const QString& s, const QFont& f) const {
    return QFontMetricsF(f, &device_).horizontalAdvance(s);
}

double SheetLayout::lineHeight(const QFont& f) const { return QFontMetricsF(f, &device_).height(); }

// One line of text centred on x, kept within the page's width.
void SheetLayout::centred(const QString& s, const QFont& f, double x, double top) const {
    const double w = advance(s, f);
    const double left = std::clamp(x - w / 2, 0.0, std::max(0.0, width_ - w));
    wrapped(s, f, w + 1, left, top);
}

// ---- 1. the title

void SheetLayout::title(const model::SheetContent& c) {
    content_ = &c;
    y_ += wrapped(q(c.title), font(kTitlePt, true), width_, 0, y_, Qt::AlignHCenter);
    y_ += wrapped(q(c.standard), font(kStandardPt), width_, 0, y_, Qt::AlignHCenter);
    y_ += mm(3);
    y_ += wrapped(q(c.file), font(kTextPt), width_, 0, y_);
    y_ += wrapped(q(c.printed), font(kTextPt), width_, 0, y_);
}

// A section's heading; keep is the height that must follow it on the same page.
void SheetLayout::heading(const std::string& title, double keep) {
    const QFont f = font(kHeadingPt, true);
    if (!fits(mm(kSectionGap) + measure(q(title), f, width_) + mm(kHeadingGap) + keep)) newPage();
    if (y_ > 0) y_ += mm(kSectionGap);
    y_ += wrapped(q(title), f, width_, 0, y_) + mm(kHeadingGap);
}

// ---- 3. the loop's diagram

void SheetLayout::diagram(const std::string& title, const model::SheetDiagram& d) {
    heading(title, mm(kDiagramHeight));
    if (painter_) drawDiagram(d, y_);
    y_ += mm(kDiagramHeight);
}

// A fault point: a zigzag arrow down from the line at x, its name beside it.
void SheetLayout::faultMark(double x, double yLine, const QString& name) const {
    QPainterPath arrow;
    arrow.moveTo(x, yLine);
    arrow.lineTo(x + mm(1.6), yLine + mm(3.5));
    arrow.lineTo(x - mm(1.6), yLine + mm(4.5));
    arrow.lineTo(x, yLine + mm(8));
    painter_->setPen(QPen(kInk, mm(0.3)));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPath(arrow);
    QPainterPath head;
    head.moveTo(x, yLine + mm(8.6));
    head.lineTo(x - mm(0.9), yLine + mm(6.6));
    head.lineTo(x + mm(0.9), yLine + mm(6.6));
    head.closeSubpath();
    painter_->setBrush(kInk);
    painter_->drawPath(head);
    painter_->setBrush(Qt::NoBrush);
    wrapped(name, font(kTextPt, true), mm(10), x + mm(2.2), yLine + mm(2.2));
}

void SheetLayout::drawDiagram(const model::SheetDiagram& d, double top) {
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing);
    const double yLine = top + mm(11);
    // The nodes: the substation's 0,4 kV buses, the switchboard, the
    // distribution board, the consumer's terminals.
    const double x[4] = {mm(26), width_ * 0.38, width_ * 0.65, width_ - mm(14)};
    const QFont nodeFont = font(kTextPt, true), small = font(kSmallPt);

    // the line from the substation's buses to the consumer
    painter_->setPen(QPen(kInk, mm(0.4)));
    painter_->drawLine(QPointF(x[0], yLine), QPointF(x[3], yLine));
    // the transformer: two circles, fed from the left
    const double r = mm(3.2);
    painter_->drawEllipse(QPointF(x[0] - mm(11), yLine), r, r);
    painter_->drawEllipse(QPointF(x[0] - mm(6.5), yLine), r, r);
    painter_->drawLine(QPointF(x[0] - mm(3.3), yLine), QPointF(x[0], yLine));
    painter_->drawLine(QPointF(x[0] - mm(19), yLine), QPointF(x[0] - mm(14.2), yLine));
    // the buses
    painter_->setPen(QPen(kInk, mm(0.9)));
    for (int k = 0; k < 3; ++k) painter_->drawLine(QPointF(x[k], yLine - mm(4)), QPointF(x[k], yLine + mm(4)));
    // the consumer
    painter_->setPen(QPen(kInk, mm(0.4)));
    painter_->drawEllipse(QPointF(x[3] + mm(3), yLine), mm(3), mm(3));

    const double captionTop = top;
    centred(q(d.nodes[0]), nodeFont, x[0] - mm(8), captionTop);
    for (int k = 1; k < 4; ++k) centred(q(d.nodes[k]), nodeFont, k == 3 ? x[3] + mm(3) : x[k], captionTop);
    for (int k = 0; k < 3; ++k) {
        const double mid = (x[k] + x[k + 1]) / 2;
        centred(q(d.lines[k]), font(kTextPt, true), mid, yLine + mm(1.2));
        centred(q(d.kinds[k]), small, mid, yLine + mm(5));
    }
    const double line = lineHeight(small);
    for (int k = 0; k < 4; ++k) {
        const double at = k == 3 ? x[3] - mm(8) : x[k] + mm(2);
        faultMark(at, yLine, q(d.points[k].name));
        centred(q(d.points[k].ik3), small, at, yLine + mm(10));
        centred(q(d.points[k].ik1min), small, at, yLine + mm(10) + line);
    }
    painter_->restore();
}

}  // namespace sheet

QPageLayout sheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString sheetFontFamily() {
    static const QString family = [] {
        const QString wanted = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::families().contains(wanted)) {
            for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
                QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file);
        }
        return wanted;
    }();
    return family;
}

int paintSheet(QPagedPaintDevice& device, const model::SheetContent& content) {
    const QPageLayout layout = device.pageLayout();
    const int pages = sheet::SheetLayout(device, nullptr, 0).run(content);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    sheet::SheetLayout(device, &painter, pages).run(content);
    painter.end();
    // The device as it was given, should a landscape page have turned it.
    if (device.pageLayout().orientation() != layout.orientation()) device.setPageOrientation(layout.orientation());
    return pages;
}

}  // namespace ampera
