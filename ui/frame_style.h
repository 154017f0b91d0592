#pragma once

#include <QProxyStyle>

class QWidget;

namespace ampera {

// Fusion with the program's own frames, drawn without style sheets:
// - a frame (group box) has a thin grey rounded border whose top line runs
//   through the middle of its caption, the caption breaking the line;
// - a raised one-pixel panel (the picture buttons of the title strip) is a
//   grey face with a white top-left and a dark bottom-right edge;
// - an entry field marked with the entry tone shows its base in the entry colour.
// The colours come from the application palette, which setUpApplication fills.
class FrameStyle : public QProxyStyle {
public:
    FrameStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// The tones a control can be drawn in beyond the plain one. Each is a role of
// the application palette that nothing else in the program draws with.
enum class Tone {
    Link,         // a web or mail address: blue, underlined
    Title,        // the caption on the title strip: white, bold
    Heading,      // a heading of the summary: navy
    BoldHeading,  // navy, bold
    Total,        // the summary's fault current line: maroon, bold
    Glyph,        // the lightning sign: gold
    Entry,        // an entry field waiting for a value: pink base
    Pass,         // a verdict of a check that holds: dark green
    Fail,         // a verdict of a check that fails: red
    Unassessed,   // a verdict the device's data cannot give: dark amber
};

// Gives the control its tone: a palette role (and, where the tone says so, a
// bold or underlined font); never a style sheet. The palette has no role left
// for the two verdict tones, so they set the text colour of the control's own
// palette; a control may change between them.
void setTone(QWidget* control, Tone tone);

}  // namespace ampera
