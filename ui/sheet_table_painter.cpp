// The sheet's tables: rows never split across pages, the title and the header
// repeated on every page a table continues on.
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <numeric>

#include "ui/qt_text.h"
#include "ui/sheet_layout.h"

namespace ampera::sheet {

using model::RowStyle;
using model::SheetRow;
using model::SheetTable;

namespace {

constexpr double kSmallestTablePt = 6.5;  // a table's text is not set smaller
constexpr double kTablePtStep = 0.5;
constexpr double kScaledSlack = 0.02;  // a text's width scaled from another size may fall short by up to 1 %
const QChar kSoftHyphen(0x00AD);       // a word may break there, with a hyphen drawn

bool boldRow(const SheetRow& row, bool header) {
    return header || row.style == RowStyle::Group || row.style == RowStyle::Fail;
}

}  // namespace

// The cells of a row: a row with fewer cells lets its last one span the rest.
double SheetLayout::cellWidth(const Columns& c, const SheetRow& row, std::size_t k) {
    if (k + 1 < row.cells.size() || k + 1 >= c.width.size()) return c.width[k];
    return std::accumulate(c.width.begin() + static_cast<std::ptrdiff_t>(k), c.width.end(), 0.0);
}

// What each column needs at the sheet's text size, without the cell's
// padding: room for its widest word (a word may break at a soft hyphen,
// drawing a hyphen there), and room for its widest row's cell on one line. A
// cell that spans columns counts for none of them.
SheetLayout::ColumnNeeds SheetLayout::columnNeeds(const SheetTable& t) const {
    ColumnNeeds n{std::vector<double>(t.widths.size(), 0.0), std::vector<double>(t.widths.size(), 0.0)};
    const QFontMetricsF regular(font(kTextPt), &device_), bold(font(kTextPt, true), &device_);
    const auto add = [&](const SheetRow& row, bool header) {
        const QFontMetricsF& m = boldRow(row, header) ? bold : regular;
        for (std::size_t k = 0; k < row.cells.size() && k < n.word.size(); ++k) {
            if (k + 1 == row.cells.size() && k + 1 < n.word.size()) break;
            const QString cell = q(row.cells[k]);
            for (const QString& word : cell.split(' ', Qt::SkipEmptyParts))
                for (const QString& part : word.split(kSoftHyphen))
                    n.word[k] = std::max(n.word[k], m.horizontalAdvance(part + '-'));
            if (!header) n.line[k] = std::max(n.line[k], m.horizontalAdvance(cell));
        }
    };
    for (const SheetRow& r : t.header) add(r, true);
    for (const SheetRow& r : t.rows) add(r, false);
    for (std::size_t k = 0; k < n.word.size(); ++k) n.line[k] = std::max(n.line[k], n.word[k]);
    return n;
}

// The table's columns and its text size. The widths are the table's, at the
// sheet's text size, unless a column is too narrow for a word of its cells:
// then the largest size, down to kSmallestTablePt, at which the room it lacks
// can be taken from columns wider than their rows' cells on one line, in
// proportion to what they spare; failing that, the largest at which it can be
// taken from columns wider than their words. A smaller size's needs are those
// of the sheet's text size scaled, with kScaledSlack to spare.
SheetLayout::Columns SheetLayout::columns(const SheetTable& t) {
    const int total = std::max(1, std::accumulate(t.widths.begin(), t.widths.end(), 0));
    std::vector<double> widths;
    for (int w : t.widths) widths.push_back(width_ * w / total);
    const ColumnNeeds measured = columnNeeds(t);
    tablePt_ = kSmallestTablePt;
    const auto fit = [&](bool wholeLines) {
        for (double pt = kTextPt; pt >= kSmallestTablePt; pt -= kTablePtStep) {
            const double scale = pt == kTextPt ? 1 : pt / kTextPt * (1 + kScaledSlack);
            const auto need = [&](const std::vector<double>& v, std::size_t k) {
                return v[k] * scale + 2 * mm(kCellPadX);
            };
            double lacking = 0, spare = 0;
            for (std::size_t k = 0; k < widths.size(); ++k) {
                lacking += std::max(0.0, need(measured.word, k) - widths[k]);
                spare += std::max(0.0, widths[k] - need(wholeLines ? measured.line : measured.word, k));
            }
            if (lacking > spare) continue;
            for (std::size_t k = 0; lacking > 0 && k < widths.size(); ++k) {
                const double keep = need(wholeLines ? measured.line : measured.word, k);
                widths[k] = std::max(widths[k], need(measured.word, k)) -
                            std::max(0.0, widths[k] - keep) * lacking / spare;
            }
            tablePt_ = pt;
            return true;
        }
        return false;
    };
    if (!fit(true)) fit(false);
    Columns c;
    double x = 0;
    for (double w : widths) {
        c.left.push_back(x);
        c.width.push_back(w);
        x += w;
    }
    return c;
}

QFont SheetLayout::rowFont(const SheetRow& row, bool header) const { return font(tablePt_, boldRow(row, header)); }

double SheetLayout::rowHeight(const Columns& c, const SheetRow& row, bool header) const {
    double h = 0;
    const QFont f = rowFont(row, header);
    for (std::size_t k = 0; k < row.cells.size() && k < c.width.size(); ++k)
        h = std::max(h, measure(q(row.cells[k]), f, cellWidth(c, row, k) - 2 * mm(kCellPadX)));
    return std::max(h, lineHeight(f)) + 2 * mm(kCellPadY);
}

void SheetLayout::drawRow(const Columns& c, const SheetRow& row, bool header, double height) {
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

void SheetLayout::drawHeader(const Columns& c, const SheetTable& t) {
    for (const SheetRow& h : t.header) drawRow(c, h, true, rowHeight(c, h, true));
}

void SheetLayout::table(const model::SheetSection& s) {
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
            y_ += wrapped(q(s.title + model::kContinued), font(kTextPt, true), width_, 0, y_) + mm(kHeadingGap);
            drawHeader(c, t);
        }
        drawRow(c, t.rows[k], false, heights[k]);
    }
}

}  // namespace ampera::sheet
