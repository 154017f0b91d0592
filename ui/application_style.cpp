#include "ui/application_style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "ui/form_base.h"

namespace ampera {

void setUpApplication(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    app.setFont(font);
    QPalette p = app.palette();
    p.setColor(QPalette::Window, FormBase::kBackground);
    p.setColor(QPalette::Button, FormBase::kBackground);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    app.setPalette(p);
}

}  // namespace ampera
