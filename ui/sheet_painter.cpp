#include "ui/sheet_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

#include "ui/qt_text.h"

namespace ampera {

namespace {

using model::RowStyle;
using model::SheetRow;
using model::SheetSection;
using model::SheetTable;

const QColor kInk(0, 0, 0);
const QColor kFailInk(200, 0, 0);
const QColor kGrid(80, 80, 80);
const QColor kHeaderFill(224, 224, 224);
const QColor kGroupFill(242, 242, 242);

// Sizes, mm and pt.
constexpr double kFooterHeight = 7.0;  // the footer's band at the bottom of the content area
constexpr double kCellPadX = 1.2, kCellPadY = 0.7;
constexpr double kSectionGap = 4.0, kHeadingGap = 1.5;
constexpr double kDiagramHeight = 34.0;
constexpr double kTitlePt = 14, kStandardPt = 11, kHeadingPt = 11, kTextPt = 9, kSmallPt = 8;

// Lays the sheet out page by page and, with a painter, draws it. The layout
// runs once without a painter to count the pages, then again to draw them
// with "Лист N из M"; both runs measure alike, so they break pages alike.
class SheetLayout {
public:
    SheetLayout(QPagedPaintDevice& device, QPainter* painter, int pages)
        : device_(device), painter_(painter), pages_(pages), family_(sheetFontFamily()) {
        unit_ = device.logicalDpiY() / 25.4;
        width_ = device.width();
        bottom_ = device.height() - mm(kFooterHeight);
    }

    int run(const model::SheetContent& c) {
        title(c);
        for (const SheetSection& s : c.sections) {
            if (s.kind == model::SectionKind::Diagram) diagram(s.title, c.diagram);
            else table(s);
        }
        footer(c);
        return page_;
    }

private:
    QPagedPaintDevice& device_;
    QPainter* painter_;  // nullptr: the layout is only measured
    int pages_;          // the page count, once measured
    QString family_;
    double unit_ = 1, width_ = 0, bottom_ = 0;
    int page_ = 1;
    double y_ = 0;  // the top of the free space on the page
    const model::SheetContent* content_ = nullptr;

    double mm(double v) const { return v * unit_; }

    QFont font(double pt, bool bold = false) const {
        QFont f(family_);
        f.setPointSizeF(pt);
        f.setBold(bold);
        f.setKerning(true);
        return f;
    }

    // Lays text out wrapped to width: at word boundaries, within a word only
    // where the word is wider than the width. Returns the height. The layout
    // holds its font as made for the device, which sizes it in points.
    static double layOut(QTextLayout& layout, double width, Qt::Alignment align) {
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
    double measure(const QString& s, const QFont& f, double width) const {
        QTextLayout layout(s, f, &device_);
        return layOut(layout, width, Qt::AlignLeft);
    }

    // Text wrapped to width, drawn (with a painter) at left, top in ink; returns its height.
    double wrapped(const QString& s, const QFont& f, double width, double left, double top,
                   Qt::Alignment align = Qt::AlignLeft, const QColor& ink = kInk) const {
        QTextLayout layout(s, f, &device_);
        const double height = layOut(layout, width, align);
        if (painter_) {
            painter_->setPen(ink);
            layout.draw(painter_, QPointF(left, top));
        }
        return height;
    }

    double advance(const QString& s, const QFont& f) const { return QFontMetricsF(f, &device_).horizontalAdvance(s); }

    // One line of text centred on x, kept within the page's width.
    void centred(const QString& s, const QFont& f, double x, double top) const {
        const double w = advance(s, f);
        const double left = std::clamp(x - w / 2, 0.0, std::max(0.0, width_ - w));
        wrapped(s, f, w + 1, left, top);
    }

    bool fits(double height) const { return y_ + height <= bottom_; }

    void newPage() {
        if (painter_) {
            footer(*content_);
            device_.newPage();
        }
        ++page_;
        y_ = 0;
    }

    void footer(const model::SheetContent& c) {
        if (!painter_) return;
        const QFont f = font(kSmallPt);
        const double top = bottom_ + mm(kFooterHeight) - QFontMetricsF(f, &device_).height();
        painter_->setPen(QPen(kGrid, mm(0.2)));
        painter_->drawLine(QPointF(0, top - mm(1)), QPointF(width_, top - mm(1)));
        wrapped(q(c.program), f, width_ / 2, 0, top);
        const QString page = q(model::sheetPageText(page_, pages_));
        wrapped(page, f, width_ / 2, width_ / 2, top, Qt::AlignRight);
    }

    // ---- 1. the title

    void title(const model::SheetContent& c) {
        content_ = &c;
        y_ += wrapped(q(c.title), font(kTitlePt, true), width_, 0, y_, Qt::AlignHCenter);
        y_ += wrapped(q(c.standard), font(kStandardPt), width_, 0, y_, Qt::AlignHCenter);
        y_ += mm(3);
        y_ += wrapped(q(c.file), font(kTextPt), width_, 0, y_);
        y_ += wrapped(q(c.printed), font(kTextPt), width_, 0, y_);
    }

    // A section's heading; keep is the height that must follow it on the same page.
    void heading(const std::string& title, double keep) {
        const QFont f = font(kHeadingPt, true);
        if (!fits(mm(kSectionGap) + measure(q(title), f, width_) + mm(kHeadingGap) + keep)) newPage();
        if (y_ > 0) y_ += mm(kSectionGap);
        y_ += wrapped(q(title), f, width_, 0, y_) + mm(kHeadingGap);
    }

    // ---- tables

    struct Columns {
        std::vector<double> left, width;
    };

    Columns columns(const SheetTable& t) const {
        Columns c;
        const int total = std::max(1, std::accumulate(t.widths.begin(), t.widths.end(), 0));
        double x = 0;
        for (int w : t.widths) {
            c.left.push_back(x);
            c.width.push_back(width_ * w / total);
            x += c.width.back();
        }
        return c;
    }

    // The cells of a row: a row with fewer cells lets its last one span the rest.
    static double cellWidth(const Columns& c, const SheetRow& row, std::size_t k) {
        if (k + 1 < row.cells.size() || k + 1 >= c.width.size()) return c.width[k];
        return std::accumulate(c.width.begin() + static_cast<std::ptrdiff_t>(k), c.width.end(), 0.0);
    }

    QFont rowFont(const SheetRow& row, bool header) const {
        return font(kTextPt, header || row.style == RowStyle::Group || row.style == RowStyle::Fail);
    }

    double rowHeight(const Columns& c, const SheetRow& row, bool header) const {
        double h = 0;
        const QFont f = rowFont(row, header);
        for (std::size_t k = 0; k < row.cells.size() && k < c.width.size(); ++k)
            h = std::max(h, measure(q(row.cells[k]), f, cellWidth(c, row, k) - 2 * mm(kCellPadX)));
        return std::max(h, QFontMetricsF(f, &device_).height()) + 2 * mm(kCellPadY);
    }

    void drawRow(const Columns& c, const SheetRow& row, bool header, double height) {
        if (painter_) {
            const QFont f = rowFont(row, header);
            const QColor ink = row.style == RowStyle::Fail ? kFailInk : kInk;
            const QColor fill = header ? kHeaderFill : row.style == RowStyle::Group ? kGroupFill : QColor();
            for (std::size_t k = 0; k < row.cells.size() && k < c.width.size(); ++k) {
                const QRectF cell(c.left[k], y_, cellWidth(c, row, k), height);
                if (fill.isValid()) painter_->fillRect(cell, fill);
                painter_->setPen(QPen(kGrid, mm(0.2)));
                painter_->setBrush(Qt::NoBrush);
                painter_->drawRect(cell);
                wrapped(q(row.cells[k]), f, cell.width() - 2 * mm(kCellPadX), cell.left() + mm(kCellPadX),
                        y_ + mm(kCellPadY), header ? Qt::AlignHCenter : Qt::AlignLeft, ink);
            }
        }
        y_ += height;
    }

    void drawHeader(const Columns& c, const SheetTable& t) {
        for (const SheetRow& h : t.header) drawRow(c, h, true, rowHeight(c, h, true));
    }

    void table(const SheetSection& s) {
        const SheetTable& t = s.table;
        const Columns c = columns(t);
        double headerHeight = 0;
        for (const SheetRow& h : t.header) headerHeight += rowHeight(c, h, true);
        std::vector<double> heights;
        for (const SheetRow& r : t.rows) heights.push_back(rowHeight(c, r, false));

        // A group heading stays with its rows, up to the next heading, where they fit on one page.
        const auto keep = [&](std::size_t k) {
            double h = heights[k];
            if (t.rows[k].style != RowStyle::Group) return h;
            for (std::size_t n = k + 1; n < t.rows.size() && t.rows[n].style != RowStyle::Group; ++n) h += heights[n];
            return std::min(h, bottom_ / 2);
        };
        // A short table is not split at all; a long one begins where its header and first rows fit.
        const double whole = std::accumulate(heights.begin(), heights.end(), headerHeight);
        heading(s.title, whole <= bottom_ / 4 ? whole : headerHeight + (heights.empty() ? 0 : keep(0)));
        drawHeader(c, t);
        for (std::size_t k = 0; k < t.rows.size(); ++k) {
            if (!fits(keep(k))) {
                newPage();
                // The table goes on: its title, marked, and its header again.
                y_ += wrapped(q(s.title + " (продолжение)"), font(kTextPt, true), width_, 0, y_) + mm(kHeadingGap);
                drawHeader(c, t);
            }
            drawRow(c, t.rows[k], false, heights[k]);
        }
    }

    // ---- 3. the diagram

    void diagram(const std::string& title, const model::SheetDiagram& d) {
        heading(title, mm(kDiagramHeight));
        if (painter_) drawDiagram(d, y_);
        y_ += mm(kDiagramHeight);
    }

    // A fault point: a zigzag arrow down from the line at x, its name beside it.
    void faultMark(double x, double yLine, const QString& name) const {
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

    void drawDiagram(const model::SheetDiagram& d, double top) {
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
        const double lineHeight = QFontMetricsF(small, &device_).height();
        for (int k = 0; k < 4; ++k) {
            const double at = k == 3 ? x[3] - mm(8) : x[k] + mm(2);
            faultMark(at, yLine, q(d.points[k].name));
            centred(q(d.points[k].ik3), small, at, yLine + mm(10));
            centred(q(d.points[k].ik1min), small, at, yLine + mm(10) + lineHeight);
        }
        painter_->restore();
    }
};

}  // namespace

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
    const int pages = SheetLayout(device, nullptr, 0).run(content);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    SheetLayout(device, &painter, pages).run(content);
    painter.end();
    return pages;
}

}  // namespace ampera
