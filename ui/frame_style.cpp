#include "ui/frame_style.h"

#include <QFrame>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace ampera {

namespace {

// Pixels.
constexpr int kCaptionLine = 6;  // the border's top line lies this far below the frame's top
constexpr int kBreakLeft = 6;    // the line breaks this far right of the frame's left edge,
constexpr int kBreakBefore = 4;  // this far before the caption
constexpr int kBreakAfter = 3;   // and this far after it
constexpr int kContentsTop = 2;  // below the top line

// The rounded corner, by pixel: how much of the line colour each of the
// corner's pixels takes, from the corner outwards (out of 255).
constexpr int kCornerTip = 45;     // the corner pixel itself
constexpr int kCornerEdge = 199;   // its two neighbours along the edges
constexpr int kCornerInner = 166;  // the pixel diagonally inside

const QColor kFrameLine{0xa0, 0xa0, 0xa0};
const QColor kPanelFace{0xd4, 0xd0, 0xc8};
const QColor kPanelLight{0xff, 0xff, 0xff};
const QColor kPanelShadow{0x40, 0x40, 0x40};

const QColor kPass{0x00, 0x64, 0x00};        // Tone::Pass
const QColor kFail{0xcc, 0x00, 0x00};        // Tone::Fail
const QColor kUnassessed{0x99, 0x66, 0x00};  // Tone::Unassessed

const char* const kEntryProperty = "amperaEntry";

void setTextColour(QWidget* control, const QColor& colour) {
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, colour);
    control->setPalette(p);
}

// Where the caption breaks the top line; the caption text starts kBreakBefore into it.
QRect captionRect(const QStyleOptionGroupBox* box) {
    if (box->text.isEmpty()) return {};
    const QFontMetrics& fm = box->fontMetrics;
    return QRect(box->rect.left() + kBreakLeft, box->rect.top(),
                 kBreakBefore + fm.horizontalAdvance(box->text) + kBreakAfter, fm.height());
}

void dot(QPainter* painter, int x, int y, int alpha) {
    QColor c = kFrameLine;
    c.setAlpha(alpha);
    painter->fillRect(x, y, 1, 1, c);
}

// The border of a frame: straight one-pixel lines, the top one broken where
// the caption is, and small rounded corners. Drawn pixel-exact, without
// antialiased paths or clipping, as it is drawn for every frame on every paint.
void drawFrameLine(QPainter* painter, const QRect& r, const QRect& caption) {
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    if (r.width() < 4 || r.height() < 4) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(kFrameLine);
    if (caption.isEmpty()) {
        painter->drawLine(x0 + 2, y0, x1 - 2, y0);
    } else {
        if (caption.left() - 1 >= x0 + 2) painter->drawLine(x0 + 2, y0, caption.left() - 1, y0);
        if (caption.right() + 1 <= x1 - 2) painter->drawLine(caption.right() + 1, y0, x1 - 2, y0);
    }
    painter->drawLine(x0 + 2, y1, x1 - 2, y1);
    painter->drawLine(x0, y0 + 2, x0, y1 - 2);
    painter->drawLine(x1, y0 + 2, x1, y1 - 2);
    const int corners[4][4] = {{x0, y0, 1, 1}, {x1, y0, -1, 1}, {x0, y1, 1, -1}, {x1, y1, -1, -1}};
    for (const auto& c : corners) {
        const int x = c[0], y = c[1], dx = c[2], dy = c[3];
        dot(painter, x, y, kCornerTip);
        dot(painter, x + dx, y, kCornerEdge);
        dot(painter, x, y + dy, kCornerEdge);
        dot(painter, x + dx, y + dy, kCornerInner);
    }
    painter->restore();
}

}  // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                 const QWidget* widget) const {
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            const QRect frame = box->rect.adjusted(0, kCaptionLine, 0, 0);
            switch (sub) {
            case SC_GroupBoxFrame: return frame;
            case SC_GroupBoxLabel: return captionRect(box);
            case SC_GroupBoxContents: return frame.adjusted(1, 1 + kContentsTop, -1, -1);
            case SC_GroupBoxCheckBox: return {};
            default: break;
            }
        }
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = captionRect(box);
    drawFrameLine(painter, box->rect.adjusted(0, kCaptionLine, 0, 0), caption);
    if (!caption.isEmpty())
        drawItemText(painter, caption.adjusted(kBreakBefore, 0, -kBreakAfter, 0), Qt::AlignLeft | Qt::TextShowMnemonic,
                     box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

void FrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == CE_ShapedFrame && frame && frame->frameShape == QFrame::Panel && (frame->state & State_Raised)) {
        const QRect r = frame->rect;
        painter->save();
        painter->fillRect(r, kPanelFace);
        painter->setPen(kPanelLight);
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.topLeft(), r.bottomLeft());
        painter->setPen(kPanelShadow);
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element == PE_PanelLineEdit && widget && widget->property(kEntryProperty).toBool()) {
        if (const auto* field = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            QStyleOptionFrame entry(*field);
            entry.palette.setBrush(QPalette::Base, entry.palette.brush(QPalette::AlternateBase));
            QProxyStyle::drawPrimitive(element, &entry, painter, widget);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void setTone(QWidget* control, Tone tone) {
    QFont font = control->font();
    switch (tone) {
    case Tone::Link:
        control->setForegroundRole(QPalette::Link);
        font.setUnderline(true);
        break;
    case Tone::Title:
        control->setForegroundRole(QPalette::HighlightedText);
        font.setBold(true);
        break;
    case Tone::Heading: control->setForegroundRole(QPalette::LinkVisited); return;
    case Tone::BoldHeading:
        control->setForegroundRole(QPalette::LinkVisited);
        font.setBold(true);
        break;
    case Tone::Total:
        control->setForegroundRole(QPalette::BrightText);
        font.setBold(true);
        break;
    case Tone::Glyph: control->setForegroundRole(QPalette::ToolTipText); return;
    case Tone::Entry: control->setProperty(kEntryProperty, true); return;
    case Tone::Pass: setTextColour(control, kPass); return;
    case Tone::Fail: setTextColour(control, kFail); return;
    case Tone::Unassessed: setTextColour(control, kUnassessed); return;
    }
    control->setFont(font);
}

}  // namespace ampera
