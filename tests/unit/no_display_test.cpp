#include <gtest/gtest.h>

#include "app/no_display.h"

using namespace ampera;

TEST(NoDisplay, TheMessageNamesTheCommandThatStartsThisCopy) {
    struct Case {
        const char* executable;
        bool installed;
        const char* path;
        const char* workingDir;
        const char* command;
    };
    const Case cases[] = {
        {"/usr/bin/ampera", true, "/usr/local/bin:/usr/bin:/bin", "/home/u", "xvfb-run -a ampera"},
        {"/home/u/.local/bin/ampera", true, "/home/u/.local/bin/:/usr/bin", "/home/u", "xvfb-run -a ampera"},
        // installed, but not on PATH: a bare name would not start it
        {"/home/u/.local/bin/ampera", true, "/usr/bin:/bin", "/home/u/src", "xvfb-run -a /home/u/.local/bin/ampera"},
        // a build, from the source folder, from the build folder, from elsewhere
        {"/home/u/src/build/ampera", false, "/usr/bin", "/home/u/src", "xvfb-run -a ./build/ampera"},
        {"/home/u/src/build/ampera", false, "/usr/bin", "/home/u/src/build/", "xvfb-run -a ./ampera"},
        {"/home/u/src/build/ampera", false, "/home/u/src/build", "/tmp", "xvfb-run -a /home/u/src/build/ampera"},
        {"/home/u/my tools/ampera", false, "", "/home/u", "xvfb-run -a './my tools/ampera'"},
        {"/opt/it's/ampera", false, "", "/home/u", "xvfb-run -a '/opt/it'\\''s/ampera'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.executable);
        EXPECT_EQ(virtualDisplayCommand(c.executable, c.installed, c.path, c.workingDir), c.command);
    }
    EXPECT_EQ(noDisplayMessage("xvfb-run -a ampera"),
              "ampera: дисплей не найден (не заданы ни DISPLAY, ни WAYLAND_DISPLAY).\n"
              "Запустите ampera в графическом сеансе или на виртуальном дисплее командой:\n"
              "    xvfb-run -a ampera\n");
}
