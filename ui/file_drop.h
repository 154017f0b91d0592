#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace ampera {

// Lets a window take a calculation file dropped onto it from a file manager:
// a drop carrying a local file whose name ends in ".ampera" is taken by the
// window and by each of its controls alike (a text box would otherwise take
// the file's name as text), and the file is handed to open once the drop is
// over. Other drops go on as before.
class CalculationDrop : public QObject {
public:
    CalculationDrop(QWidget* window, std::function<void(const QString& path)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* window_;
    std::function<void(const QString&)> open_;
};

}  // namespace ampera
