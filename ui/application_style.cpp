#include "ui/application_style.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include "ui/frame_style.h"
#include "ui/window_frame.h"

// The resource of data/ampera.qrc lives in this static library: pulled in here.
static void initIconResource() { Q_INIT_RESOURCE(ampera); }

namespace ampera {

namespace {

// The program's icon from the desktop's icon theme, else the one compiled in.
QIcon programIcon() {
    QIcon fallback;
    for (const char* size : {"48", "128", "256"}) fallback.addFile(QString(":/icons/%1.png").arg(size));
    return QIcon::fromTheme("io.github.ampera.Ampera", fallback);
}

}  // namespace

void setUpApplication(QApplication& app) {
    // Every window carries the program's icon (task bar, window list).
    initIconResource();
    app.setWindowIcon(programIcon());
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
