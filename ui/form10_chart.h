#pragma once

#include "ui/form_base.h"

class QSizeGrip;

namespace ampera {

namespace model {
struct TimeChart;
}

// The time-current chart of a device: its zone with the zone of the device
// that feeds it, the fault currents and the time limit, drawn by the chart
// module. A single modeless window, resized by its lower right corner; a
// close only hides it. Where the module cannot be loaded, the window says why.
class Form10 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form10";
    explicit Form10(Session& session);

    // Draws the chart; the window is shown by the caller.
    void showChart(const model::TimeChart& chart);

    void Picture1_Click(int index);  // 0 close, 1 minimise

    QLabel* Label19 = nullptr;  // title
    ClickLabel* Picture1[2] = {};
    QWidget* Chart1 = nullptr;     // the module's chart view; none when it is not loaded
    QLabel* lblMessage = nullptr;  // why there is no chart
    QSizeGrip* SizeGrip = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace ampera
