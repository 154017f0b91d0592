#include "ui/application_style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "ui/form_base.h"

namespace ampera {

void setUpApplication(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    // A condensed face keeps the captions within the widths the layout gives them.
    QFont font("DejaVu Sans Condensed");
    font.setPixelSize(11);
    app.setFont(font);
    QPalette p = app.palette();
    p.setColor(QPalette::Window, FormBase::kBackground);
    p.setColor(QPalette::Button, FormBase::kBackground);
    app.setPalette(p);
    // Frames draw their caption on the border line, as the layout expects.
    app.setStyleSheet(
        "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 6px; padding-top: 2px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " padding: 0 2px; }");
}

}  // namespace ampera
