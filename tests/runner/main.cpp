// ampera-scenario: plays a scenario script against the program's windows,
// headless, and checks what they show and what files the program writes.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "tests/runner/player.h"
#include "tests/runner/script.h"
#include "ui/application_style.h"

namespace {

// The offscreen platform warns about what it cannot do (raise a window, a
// run-time directory); that is noise in a test log.
void quietPlatformNoise(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains("does not support") || message.contains("XDG_RUNTIME_DIR")) return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatformNoise);
    QString dir, script;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        QString a = QString::fromLocal8Bit(argv[i]);
        if (a == "--dir" && i + 1 < argc) dir = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--keep") keep = true;
        else if (script.isEmpty() && !a.startsWith("--")) script = a;
        else {
            std::fprintf(stderr, "usage: ampera-scenario [--dir DIR] [--keep] SCRIPT\n");
            return 2;
        }
    }
    if (script.isEmpty()) {
        std::fprintf(stderr, "usage: ampera-scenario [--dir DIR] [--keep] SCRIPT\n");
        return 2;
    }
    QFile f(script);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read the script\n", qPrintable(script));
        return 2;
    }
    std::vector<runner::Command> commands;
    QString error;
    if (!runner::parseScript(QString::fromUtf8(f.readAll()), commands, error)) {
        std::fprintf(stderr, "%s:%s\n", qPrintable(script), qPrintable(error));
        return 2;
    }

    QApplication app(argc, argv);
    ampera::setUpApplication(app);
    QTemporaryDir temp;
    if (dir.isEmpty()) {
        if (!temp.isValid()) {
            std::fprintf(stderr, "cannot create a temporary directory\n");
            return 2;
        }
        temp.setAutoRemove(!keep);
        dir = temp.path();
        if (keep) std::fprintf(stderr, "program directory: %s\n", qPrintable(dir));
    }
    int code = 0;
    {
        runner::Player player(script, dir);
        code = player.play(commands);
    }
    return code;
}
