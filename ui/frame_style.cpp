#include "ui/frame_style.h"

#include <QFrame>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace ampera {

namespace {

// Pixels.
constexpr int kCaptionLine = 6;    // the border's top line lies this far below the frame's top
constexpr int kBreakLeft = 6;      // the line breaks this far right of the frame's left edge,
constexpr int kBreakBefore = 4;    // this far before the caption
constexpr int kBreakAfter = 3;     // and this far after it
constexpr int kContentsTop = 2;    // below the top line
constexpr qreal kCornerRadius = 1.5;

const QColor kFrameLine{0xa0, 0xa0, 0xa0};
const QColor kPanelFace{0xd4, 0xd0, 0xc8};
const QColor kPanelLight{0xff, 0xff, 0xff};
const QColor kPanelShadow{0x40, 0x40, 0x40};

const char* const kEntryProperty = "amperaEntry";

// Where the caption breaks the top line; the caption text starts kBreakBefore into it.
QRect captionRect(const QStyleOptionGroupBox* box) {
    if (box->text.isEmpty()) return {};
    const QSize text = box->fontMetrics.size(Qt::TextShowMnemonic, box->text);
    return QRect(box->rect.left() + kBreakLeft, box->rect.top(), kBreakBefore + text.width() + kBreakAfter,
                 text.height());
}

}  // namespace

FrameStyle::FrameStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                 const QWidget* widget) const {
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            const QRect frame = box->rect.adjusted(0, kCaptionLine, 0, 0);
            switch (sub) {
                case SC_GroupBoxFrame:
                    return frame;
                case SC_GroupBoxLabel:
                    return captionRect(box);
                case SC_GroupBoxContents:
                    return frame.adjusted(1, 1 + kContentsTop, -1, -1);
                case SC_GroupBoxCheckBox:
                    return {};
                default:
                    break;
            }
        }
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = captionRect(box);
    painter->save();
    if (!caption.isEmpty()) painter->setClipRegion(QRegion(box->rect).subtracted(caption));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(kFrameLine);
    painter->setBrush(Qt::NoBrush);
    const QRectF line = QRectF(box->rect.adjusted(0, kCaptionLine, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->drawRoundedRect(line, kCornerRadius, kCornerRadius);
    painter->restore();
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
        case Tone::Heading:
            control->setForegroundRole(QPalette::LinkVisited);
            return;
        case Tone::BoldHeading:
            control->setForegroundRole(QPalette::LinkVisited);
            font.setBold(true);
            break;
        case Tone::Total:
            control->setForegroundRole(QPalette::BrightText);
            font.setBold(true);
            break;
        case Tone::Glyph:
            control->setForegroundRole(QPalette::ToolTipText);
            return;
        case Tone::Entry:
            control->setProperty(kEntryProperty, true);
            return;
    }
    control->setFont(font);
}

}  // namespace ampera
