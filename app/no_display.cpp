#include "app/no_display.h"

#include <filesystem>
#include <sstream>

namespace ampera {

namespace fs = std::filesystem;

namespace {

// The word as the shell reads it back: single quotes around anything but
// plain path characters.
std::string shellWord(const std::string& word) {
    if (!word.empty() && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                                                "_./+,:=@%-") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The path without "." and ".." steps and without a trailing slash.
fs::path clean(const std::string& path) {
    fs::path p = fs::path(path).lexically_normal();
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
    return p;
}

bool onPath(const fs::path& folder, const std::string& pathVariable) {
    std::stringstream entries(pathVariable);
    std::string entry;
    while (std::getline(entries, entry, ':'))
        if (!entry.empty() && clean(entry) == folder) return true;
    return false;
}

}  // namespace

std::string virtualDisplayCommand(const std::string& executable, bool installed, const std::string& pathVariable,
                                  const std::string& workingDir) {
    const fs::path program = clean(executable);
    std::string command;
    if (installed && onPath(program.parent_path(), pathVariable)) {
        command = program.filename().string();
    } else {
        const fs::path relative = program.lexically_relative(clean(workingDir));
        const bool within = !workingDir.empty() && !relative.empty() && *relative.begin() != "..";
        command = within ? "./" + relative.string() : program.string();
    }
    return "xvfb-run -a " + shellWord(command);
}

std::string noDisplayMessage(const std::string& command) {
    return "ampera: дисплей не найден (не заданы ни DISPLAY, ни WAYLAND_DISPLAY).\n"
           "Запустите ampera в графическом сеансе или на виртуальном дисплее командой:\n"
           "    " +
           command + "\n";
}

}  // namespace ampera
