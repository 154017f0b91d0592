// The cost of opening each secondary window, measured by hand (not by CI):
// the main window is started as the program starts it, then each window is
// opened the way its button opens it (created, loaded, shown and painted once),
// discarded and opened again. Prints the median per window and its ratio to the
// transformer catalogue (Form6), the smallest window with a list.
//
// usage: QT_QPA_PLATFORM=offscreen build/ampera-window-bench [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/runner/recording_platform.h"
#include "ui/application_style.h"
#include "ui/form1.h"
#include "ui/form2_about.h"
#include "ui/form3_elements.h"
#include "ui/form4_arc_motor.h"
#include "ui/form5_summary.h"
#include "ui/form6_transformer_catalogue.h"
#include "ui/form7_error.h"
#include "ui/form8_checks.h"
#include "ui/session.h"

namespace {

using namespace ampera;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Until the window is on the screen and painted once.
void painted(QWidget* w) {
    while (!w->windowHandle() || !w->windowHandle()->isExposed()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

struct Opening {
    const char* window;
    const char* how;
    std::function<QWidget*(Session&)> open;
    std::function<void(Session&)> close;
};

// Opening window F by what the user does (a button's handler of the main window, say).
template <class F>
Opening opening(const char* how, std::function<void(Session&)> act) {
    return {F::kName, how,
            [act](Session& s) -> QWidget* {
                act(s);
                return s.existing<F>();
            },
            [](Session& s) { s.discard<F>(); }};
}

// The offscreen platform cannot raise a window; that is noise here.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QApplication app(argc, argv);
    setUpApplication(app);
    QTemporaryDir dir;
    RecordingPlatform platform;
    Session session(platform, dir.path());
    session.start();
    painted(session.main());
    // The worked example's transformer, so that the checks window computes without a message.
    Form1* main = session.main();
    for (auto [field, value] : {std::pair{"txtSt", "400"},
                                {"txtU", "10"},
                                {"txtUf", "400"},
                                {"txtPk", "5,5"},
                                {"txtUk", "4,5"},
                                {"txtI", "10"}})
        main->findChild<QLineEdit*>(field)->setText(value);

    const std::vector<Opening> openings = {
        opening<Form2>("Авторы", [](Session& s) { s.main()->Command12_Click(); }),
        opening<Form3>("выбрать (элементы)", [](Session& s) { s.main()->Command6_Click(); }),
        opening<Form4>("дуга", [](Session& s) { s.main()->Command15_Click(); }),
        opening<Form5>("Данные", [](Session& s) { s.main()->Command21_Click(); }),
        opening<Form6>("выбрать (тр-р)", [](Session& s) { s.main()->Command20_Click(); }),
        opening<Form7>("error dialog", [](Session& s) { showErrorDialog(s, "x"); }),
        opening<Form8>("Проверка", [](Session& s) { s.main()->Command23_Click(); }),
    };
    std::vector<double> medians;
    for (const Opening& o : openings) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            o.close(session);  // every opening creates the window anew
            settle();
            QElapsedTimer t;
            t.start();
            painted(o.open(session));
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        o.close(session);
        settle();
        medians.push_back(median(ms));
    }
    const double form6 = medians[4];
    std::printf("opening a window (created, loaded, shown, painted), median of %d:\n", runs);
    for (std::size_t i = 0; i < openings.size(); ++i)
        std::printf("  %s (%s): %.2f ms, %.2f x Form6\n", openings[i].window, openings[i].how, medians[i],
                    medians[i] / form6);
    session.end();
    return 0;
}
