#pragma once

#include <QWidget>
#include <array>

class QLabel;

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
    void resizeEvent(QResizeEvent*) override;

private:
    std::array<QLabel*, 9> labels_{};  // the captions, in the order of the table in the source
};

}  // namespace ampera
