#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/application_style.h"
#include "ui/platform.h"
#include "ui/session.h"

namespace {

bool haveDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "ampera: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "ampera is a desktop program: start it in a graphical session, or under a virtual\n"
                     "display with: xvfb-run -a ./build/ampera\n");
        return 1;
    }
    QApplication app(argc, argv);
    ampera::setUpApplication(app);
    ampera::DesktopPlatform platform;
    ampera::Session session(platform, QCoreApplication::applicationDirPath());
    session.onEnded = [] { QCoreApplication::quit(); };
    session.start();
    return app.exec();
}
