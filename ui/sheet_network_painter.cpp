// The network's one-line diagram: a portrait page per diagram page, its
// strips in bands of equal height, each a busbar with its feeders hanging
// from it, evenly spaced across the width.
#include <QPainter>
#include <algorithm>

#include "ui/qt_text.h"
#include "ui/sheet_layout.h"

namespace ampera::sheet {

using model::NetworkDiagramPage;
using model::NetworkFeeder;
using model::NetworkStrip;

namespace {

// Sizes, mm and pt.
constexpr double kLineInset = 3.0;   // the feeder's line from its slot's left
constexpr double kSideInset = 2.5;   // the device's and the cable's text from the line
constexpr double kCaptionGap = 3.0;  // between the captions of neighbouring feeders
constexpr double kMinFeeder = 14.0;  // the shortest feeder's line
constexpr double kDeviceTop = 3.0;   // the device's box below the busbar
constexpr double kDeviceHeight = 4.0, kDeviceWidth = 2.4;
constexpr double kBusbarPen = 1.2, kFeederPen = 0.35, kFailPen = 0.7, kMarkPen = 0.9, kMarkHalf = 2.5;
constexpr double kCurrentPt = 8, kSmallestPt = 7.5, kSmallestNamePt = 7.5, kSmallestFailurePt = 6.5;

std::string busbarName(const NetworkStrip& s) { return s.busbar + (s.continued ? model::kContinued : ""); }

const QColor& inkOf(const NetworkFeeder& d) { return d.failure.empty() ? kInk : kFailInk; }

}  // namespace

// The text sizes of the feeders' captions: the same on every page, as large
// as lets every name and current stand on one line, where they can, and
// every word of a failing verdict's text.
struct SheetLayout::StripFonts {
    double name = kTextPt, current = kCurrentPt, failure = kCurrentPt, side = kSmallPt;
};

double SheetLayout::fittingSize(const std::vector<std::pair<QString, bool>>& lines, double width, double from,
                                double to) const {
    for (double pt = from; pt > to; pt -= 0.5) {
        const bool all = std::all_of(lines.begin(), lines.end(),
                                     [&](const auto& l) { return advance(l.first, font(pt, l.second)) <= width; });
        if (all) return pt;
    }
    return to;
}

SheetLayout::StripFonts SheetLayout::stripFonts(const std::vector<NetworkDiagramPage>& pages, double slot) const {
    std::vector<std::pair<QString, bool>> names, currents, failures;
    for (const NetworkDiagramPage& p : pages)
        for (const NetworkStrip& s : p.strips)
            for (const NetworkFeeder& f : s.feeders) {
                const bool bold = !f.failure.empty();
                names.emplace_back(q(f.name), true);
                currents.emplace_back(q(f.ik3), bold);
                currents.emplace_back(q(f.ik1min), bold);
                for (const QString& word : q(f.failure).split(' ')) failures.emplace_back(word, true);
            }
    const double width = slot - mm(kCaptionGap);
    StripFonts f;
    f.name = fittingSize(names, width, kTextPt, kSmallestNamePt);
    f.current = fittingSize(currents, width, kCurrentPt, kSmallestPt);
    f.failure = fittingSize(failures, width, f.current, kSmallestFailurePt);
    return f;
}

void SheetLayout::networkDiagram(const model::SheetSection& s, const std::vector<NetworkDiagramPage>& pages) {
    if (pages.empty()) return;
    freshPage(base_.orientation());
    const StripFonts fonts = painter_ ? stripFonts(pages, width_ / model::kFeedersPerStrip) : StripFonts{};
    for (std::size_t k = 0; k < pages.size(); ++k) {
        freshPage(base_.orientation());
        const std::string title = k == 0 ? s.title : s.title + model::kContinued;
        y_ += wrapped(q(title), font(kHeadingPt, true), width_, 0, y_) + mm(kHeadingGap);
        // Bands of one height, whatever the page holds, so that every page the model composes fits.
        const double band = (bottom_ - y_) / model::kStripsPerPage;
        const auto& strips = pages[k].strips;
        for (std::size_t n = 0; painter_ && n < strips.size() && n < model::kStripsPerPage; ++n)
            drawStrip(strips[n], fonts, y_ + band * double(n), band);
        y_ = bottom_;
    }
}

// A current's line as drawn within width: on one line, or, where it does not
// fit, broken after its "=", the value on a line of its own.
QString SheetLayout::currentLine(const std::string& text, const QFont& f, double width) const {
    QString line = q(text);
    const qsizetype equals = line.indexOf(QStringLiteral("= "));
    if (advance(line, f) > width && equals >= 0) line[equals + 1] = QChar::LineSeparator;
    return line;
}

// A strip: the busbar, its name above its left end, and its feeders below it,
// each in a slot of a sixth of the width: its line with the device's box, the
// device's and the cable's texts beside it, at its end the node's bar with
// the node's name, its currents and a failing verdict, red and bold.
void SheetLayout::drawStrip(const NetworkStrip& strip, const StripFonts& f, double top, double band) {
    const double slot = width_ / model::kFeedersPerStrip;
    const std::size_t count = std::min(strip.feeders.size(), model::kFeedersPerStrip);
    const double busY = top + mm(1) + wrapped(q(busbarName(strip)), font(kTextPt, true), width_, 0, top + mm(1)) +
                        mm(2.5);
    const double sideWidth = slot - mm(kLineInset + kSideInset + 1);
    const double captionWidth = slot - mm(kCaptionGap);
    const double box = mm(kDeviceHeight);

    // The texts of a feeder: the device's (its first line centred on the box), the cable's under it, and the
    // captions at the end. Each returns its height and, with draw, draws at left, y.
    const auto deviceText = [&](const NetworkFeeder& d, bool draw, double left, double y) {
        if (d.device.empty()) return 0.0;
        const QFont df = font(f.side, !d.failure.empty());
        const double shift = (box - lineHeight(df)) / 2;
        const double h = draw ? wrapped(q(d.device), df, sideWidth, left, y + shift, Qt::AlignLeft, inkOf(d))
                              : measure(q(d.device), df, sideWidth);
        return std::max(box, shift + h) + mm(0.8);
    };
    const auto cableText = [&](const NetworkFeeder& d, bool draw, double left, double y) {
        if (d.cable.empty()) return 0.0;
        const QFont cf = font(f.side, !d.failure.empty());
        return draw ? wrapped(q(d.cable), cf, sideWidth, left, y, Qt::AlignLeft, inkOf(d))
                    : measure(q(d.cable), cf, sideWidth);
    };
    const auto captions = [&](const NetworkFeeder& d, bool draw, double left, double y) {
        const bool fail = !d.failure.empty();
        const double start = y;
        const auto line = [&](const QString& s, const QFont& lf) {
            y += draw ? wrapped(s, lf, captionWidth, left, y, Qt::AlignLeft, inkOf(d)) : measure(s, lf, captionWidth);
        };
        line(q(d.name), font(f.name, true));
        const QFont cf = font(f.current, fail);
        if (!d.ik3.empty()) line(currentLine(d.ik3, cf, captionWidth), cf);
        if (!d.ik1min.empty()) line(currentLine(d.ik1min, cf, captionWidth), cf);
        if (fail) line(q(d.failure), font(f.failure, true));
        return y - start;
    };

    // The feeders' texts measured first: one length of line for the strip,
    // long enough for the texts beside it, short enough for the captions below.
    double side = 0, below = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const NetworkFeeder& d = strip.feeders[k];
        side = std::max(side, deviceText(d, false, 0, 0) + cableText(d, false, 0, 0));
        below = std::max(below, captions(d, false, 0, 0));
    }
    const double room = std::max(mm(kMinFeeder / 2), top + band - busY - below - mm(kMarkPen + 2));
    const double endY = busY + std::min(std::max(mm(kMinFeeder), side + mm(kDeviceTop + 3)), room);

    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing);
    // the busbar
    const double last = slot * (std::max(double(count), 1.0) - 1);
    const double busEnd = std::min(width_, std::max(mm(40), last + mm(kLineInset + 10)));
    painter_->setPen(QPen(kInk, mm(kBusbarPen), Qt::SolidLine, Qt::FlatCap));
    painter_->drawLine(QPointF(0, busY), QPointF(busEnd, busY));

    for (std::size_t k = 0; k < count; ++k) {
        const NetworkFeeder& d = strip.feeders[k];
        const double left = slot * double(k), x = left + mm(kLineInset);
        // the line, the device's box on it, the node's bar at its end
        painter_->setPen(QPen(inkOf(d), mm(d.failure.empty() ? kFeederPen : kFailPen), Qt::SolidLine, Qt::FlatCap));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawLine(QPointF(x, busY + mm(kBusbarPen / 2)), QPointF(x, endY));
        const double sideTop = busY + mm(kDeviceTop);
        if (!d.device.empty()) {
            painter_->setBrush(Qt::white);
            painter_->drawRect(QRectF(x - mm(kDeviceWidth / 2), sideTop, mm(kDeviceWidth), box));
        }
        painter_->setPen(QPen(inkOf(d), mm(kMarkPen), Qt::SolidLine, Qt::FlatCap));
        painter_->drawLine(QPointF(x - mm(kMarkHalf), endY), QPointF(x + mm(kMarkHalf), endY));
        const double sideLeft = x + mm(kSideInset);
        cableText(d, true, sideLeft, sideTop + deviceText(d, true, sideLeft, sideTop));
        captions(d, true, left + mm(0.5), endY + mm(kMarkPen / 2 + 1));
    }
    painter_->restore();
}

}  // namespace ampera::sheet
