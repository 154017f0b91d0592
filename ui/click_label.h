#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace ampera {

// A label, image or picture button: reacts to a left click and reports every
// mouse press (the title strip starts window moves on a left press).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};

}  // namespace ampera
