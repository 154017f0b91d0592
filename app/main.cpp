#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "storage/file_locations.h"
#include "ui/application_style.h"
#include "ui/platform.h"
#include "ui/session.h"
#include "version.h"

// The installation's share/ampera relative to its bin folder.
#ifndef AMPERA_DATA_FROM_BIN
#define AMPERA_DATA_FROM_BIN "../share/ampera"
#endif
#ifndef AMPERA_APP_ID
#define AMPERA_APP_ID "io.github.ampera.Ampera"
#endif

namespace {

bool haveDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// The command-line parser's own words in Russian.
class RussianUsage : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        static const QHash<QByteArray, QString> words = {
            {"Usage: %1", "Использование: %1"},
            {"[options]", "[параметры]"},
            {"Options:", "Параметры:"},
            {"Arguments:", "Аргументы:"},
            {"Displays version information.", "Показать версию программы и выйти."},
        };
        if (QByteArray(context) != "QCommandLineParser") return {};
        return words.value(QByteArray(source));
    }
};

// --version and --help answer and end the program; every other argument is
// ignored with one line on standard error. The program has no option of its own.
void readCommandLine(int argc, char** argv) {
    QCoreApplication core(argc, argv);
    RussianUsage russian;
    QCoreApplication::installTranslator(&russian);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Расчет токов короткого замыкания в сетях 0,4 кВ по ГОСТ 28249-93.\n"
        "Других параметров нет: все данные вводятся в окнах программы.");
    const QCommandLineOption help(QStringList{"h", "help"}, "Показать эту справку и выйти.");
    parser.addOption(help);
    parser.addVersionOption();
    const bool clean = parser.parse(QCoreApplication::arguments());
    if (parser.isSet("version")) parser.showVersion();
    if (parser.isSet(help)) parser.showHelp(0);
    QStringList ignored;
    if (!clean) {
        for (const QString& name : parser.unknownOptionNames()) ignored << (name.size() == 1 ? "-" : "--") + name;
        if (ignored.isEmpty()) ignored << parser.errorText();
    }
    ignored << parser.positionalArguments();
    if (!ignored.isEmpty())
        std::fprintf(stderr, "ampera: аргументы не учитываются: %s\n", qPrintable(ignored.join(' ')));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("ampera");
    QCoreApplication::setApplicationVersion(AMPERA_VERSION);
    readCommandLine(argc, argv);
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "ampera: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "ampera is a desktop program: start it in a graphical session, or under a virtual\n"
                     "display with: xvfb-run -a ./build/ampera\n");
        return 1;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(AMPERA_APP_ID);
    ampera::setUpApplication(app);
    ampera::DesktopPlatform platform;
    const ampera::FileLocations locations = ampera::decideLocations(
        ampera::findLocationFacts(QCoreApplication::applicationDirPath().toStdString(), AMPERA_DATA_FROM_BIN));
    ampera::Session session(platform, locations);
    session.onEnded = [] { QCoreApplication::quit(); };
    session.start();
    return app.exec();
}
