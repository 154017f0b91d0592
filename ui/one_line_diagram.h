#pragma once

#include <QWidget>

namespace ampera {

// The one-line diagram of the supply drawn in the input area: the
// substation, the switchboard, the distribution board and the consumer, with
// the three line sections between them.
class OneLineDiagram : public QWidget {
    Q_OBJECT
public:
    explicit OneLineDiagram(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace ampera
