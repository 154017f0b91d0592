#include "ui/application_style.h"

#include <QApplication>
#include <QFont>

#include "ui/frame_style.h"
#include "ui/window_frame.h"

namespace ampera {

void setUpApplication(QApplication& app) {
    // Fusion with the program's frames; no style sheet anywhere, so every
    // widget is polished and drawn by the style directly.
    app.setStyle(new FrameStyle);
    // A condensed face keeps the captions within the widths the layout gives them.
    QFont font("DejaVu Sans Condensed");
    font.setPixelSize(11);
    app.setFont(font);
    // The palette carries every colour of the program; controls pick roles (see Tone).
    QPalette p = app.palette();
    p.setColor(QPalette::Window, WindowFrame::kBackground);
    p.setColor(QPalette::Button, WindowFrame::kBackground);
    p.setColor(QPalette::Link, QColor(0x00, 0x00, 0xff));             // Tone::Link
    p.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));  // Tone::Title
    p.setColor(QPalette::LinkVisited, QColor(0x00, 0x00, 0x80));      // Tone::Heading
    p.setColor(QPalette::BrightText, QColor(0x80, 0x00, 0x00));       // Tone::Total
    p.setColor(QPalette::ToolTipText, QColor(0xc0, 0xa0, 0x00));      // Tone::Glyph
    p.setColor(QPalette::AlternateBase, QColor(255, 192, 192));       // Tone::Entry
    app.setPalette(p);
}

}  // namespace ampera
