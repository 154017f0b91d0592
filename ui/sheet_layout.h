#pragma once

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "model/sheet_content.h"

class QPagedPaintDevice;
class QPainter;
class QTextLayout;

namespace ampera::sheet {

inline const QColor kInk(0, 0, 0);
inline const QColor kFailInk(200, 0, 0);
inline const QColor kGrid(80, 80, 80);
inline const QColor kHeaderFill(224, 224, 224);
inline const QColor kGroupFill(242, 242, 242);

// Sizes, mm and pt.
inline constexpr double kFooterHeight = 7.0;  // the footer's band at the bottom of the content area
inline constexpr double kCellPadX = 1.2, kCellPadY = 0.7;
inline constexpr double kSectionGap = 4.0, kHeadingGap = 1.5;
inline constexpr double kDiagramHeight = 34.0;
inline constexpr double kChartHeight = 115.0;
inline constexpr double kTitlePt = 14, kStandardPt = 11, kHeadingPt = 11, kTextPt = 9, kSmallPt = 8;

// Lays the sheet out page by page and, with a painter, draws it. The layout
// runs once without a painter to count the pages, then again to draw them
// with "Лист N из M"; both runs measure alike, so they break pages alike.
// A page is portrait, as the device's page, or landscape for a landscape
// section; a device that cannot turn its pages gets a landscape page drawn
// turned and scaled onto its own page.
class SheetLayout {
public:
    SheetLayout(QPagedPaintDevice& device, QPainter* painter, int pages);
    int run(const model::SheetContent& c);

private:
    QPagedPaintDevice& device_;
    QPainter* painter_;  // nullptr: the layout is only measured
    int pages_;          // the page count, once measured
    QString family_;
    QPageLayout base_;  // the device's page as the sheet began
    bool turns_;        // the device can turn a page to landscape
    QPageLayout::Orientation orientation_;
    bool rotated_ = false;  // the page is drawn turned onto the device's page
    double unit_ = 1, width_ = 0, height_ = 0, bottom_ = 0;
    int page_ = 1;
    double y_ = 0;        // the top of the free space on the page
    double tablePt_ = 0;  // the text size of the table being laid out
    const model::SheetContent* content_ = nullptr;

    double mm(double v) const { return v * unit_; }
    QFont font(double pt, bool bold = false) const;

    // ---- pages (sheet_painter.cpp)
    QPageLayout::Orientation orientationOf(const model::SheetSection& s) const;
    void setPage(QPageLayout::Orientation o);
    void newPage(QPageLayout::Orientation o);
    void newPage() { newPage(orientation_); }
    void freshPage(QPageLayout::Orientation o);
    void endPage();
    bool fits(double height) const { return y_ + height <= bottom_; }
    void footer(const model::SheetContent& c);

    // ---- text (sheet_painter.cpp)
    static double layOut(QTextLayout& layout, double width, Qt::Alignment align);
    double measure(const QString& s, const QFont& f, double width) const;
    double wrapped(const QString& s, const QFont& f, double width, double left, double top,
                   Qt::Alignment align = Qt::AlignLeft, const QColor& ink = kInk) const;
    double advance(const QString& s, const QFont& f) const;
    double lineHeight(const QFont& f) const;
    void centred(const QString& s, const QFont& f, double x, double top) const;
    void title(const model::SheetContent& c);
    void heading(const std::string& title, double keep);

    // ---- tables (sheet_table_painter.cpp)
    struct Columns {
        std::vector<double> left, width;
    };
    static double cellWidth(const Columns& c, const model::SheetRow& row, std::size_t k);
    struct ColumnNeeds {
        std::vector<double> word, line;
    };
    ColumnNeeds columnNeeds(const model::SheetTable& t) const;
    Columns columns(const model::SheetTable& t);
    QFont rowFont(const model::SheetRow& row, bool header) const;
    double rowHeight(const Columns& c, const model::SheetRow& row, bool header) const;
    void drawRow(const Columns& c, const model::SheetRow& row, bool header, double height);
    void drawHeader(const Columns& c, const model::SheetTable& t);
    void table(const model::SheetSection& s);

    // ---- the loop's diagram (sheet_painter.cpp)
    void diagram(const std::string& title, const model::SheetDiagram& d);
    void faultMark(double x, double yLine, const QString& name) const;
    void drawDiagram(const model::SheetDiagram& d, double top);

    // ---- the device's time-current chart (sheet_chart_painter.cpp)
    void timeChart(const std::string& title, const model::TimeChart& chart);

    // ---- the network's diagram (sheet_network_painter.cpp)
    struct StripFonts;
    void networkDiagram(const model::SheetSection& s, const std::vector<model::NetworkDiagramPage>& pages);
    StripFonts stripFonts(const std::vector<model::NetworkDiagramPage>& pages, double slot) const;
    double fittingSize(const std::vector<std::pair<QString, bool>>& lines, double width, double from, double to) const;
    QString currentLine(const std::string& text, const QFont& f, double width) const;
    void drawStrip(const model::NetworkStrip& strip, const StripFonts& f, double top, double band);
};

}  // namespace ampera::sheet
