#include "storage/file_locations.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/recent_list.h"

namespace ampera {

namespace fs = std::filesystem;

namespace {

std::string join(const std::string& dir, const std::string& name) { return (fs::path(dir) / name).string(); }

// The path without "." and ".." steps and without a trailing slash.
std::string clean(const std::string& path) {
    fs::path p = fs::path(path).lexically_normal();
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
    return p.string();
}

// An environment variable that holds an absolute path, else empty.
std::string absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return {};
    return clean(value);
}

// The value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: a quoted
// "$HOME/..." or absolute path. Empty when the file or the line is missing or
// the value is neither.
std::string documentsFromUserDirs(const std::string& file, const std::string& home) {
    std::ifstream in(file);
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value == "$HOME" || value.rfind("$HOME/", 0) == 0) value = home + value.substr(5);
        if (value.empty() || value[0] != '/') return {};
        return clean(value);
    }
    return {};
}

}  // namespace

FileLocations portableLocations(const std::string& programDir) {
    FileLocations l;
    l.portable = true;
    l.settings = join(programDir, "ampera.ini");
    l.recent = join(programDir, kRecentListName);
    l.report = join(programDir, "ampera.txt");
    l.help = join(programDir, "ampera.hlp");
    return l;
}

FileLocations decideLocations(const LocationFacts& facts) {
    if (facts.programDirWritable && facts.installedDataDir.empty()) return portableLocations(facts.programDir);
    FileLocations l;
    l.portable = false;
    l.settingsFolder = join(facts.configHome, "ampera");
    l.settings = join(l.settingsFolder, "ampera.ini");
    l.recent = join(l.settingsFolder, kRecentListName);
    l.reportFolder = facts.documentsDir;
    l.report = join(l.reportFolder, "ampera.txt");
    // A read-only copy outside any installation still has its help beside it.
    l.help = join(facts.installedDataDir.empty() ? facts.programDir : facts.installedDataDir, "ampera.hlp");
    return l;
}

LocationFacts findLocationFacts(const std::string& programDir, const std::string& dataDirFromProgramDir) {
    LocationFacts f;
    f.programDir = programDir;
    f.programDirWritable = directoryWritable(programDir);
    if (!dataDirFromProgramDir.empty()) {
        const fs::path data = clean(join(programDir, dataDirFromProgramDir));
        std::error_code ec;
        if (fs::is_regular_file(data / "ampera.hlp", ec)) f.installedDataDir = data.string();
    }
    f.configHome = userConfigHome();
    f.documentsDir = userDocumentsDir();
    return f;
}

bool directoryWritable(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return ::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string userHome() {
    std::string home = absoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') return pw->pw_dir;
    return "/";
}

std::string userConfigHome() {
    std::string config = absoluteFromEnvironment("XDG_CONFIG_HOME");
    return config.empty() ? join(userHome(), ".config") : config;
}

std::string userCacheHome() {
    std::string cache = absoluteFromEnvironment("XDG_CACHE_HOME");
    return cache.empty() ? join(userHome(), ".cache") : cache;
}

std::string userDocumentsDir() {
    std::string documents = absoluteFromEnvironment("XDG_DOCUMENTS_DIR");
    if (!documents.empty()) return documents;
    const std::string home = userHome();
    documents = documentsFromUserDirs(join(userConfigHome(), "user-dirs.dirs"), home);
    return documents.empty() ? home : documents;
}

bool makeFolder(const std::string& path, StorageError& error) {
    if (path.empty()) return true;
    fs::path partial;
    for (const fs::path& part : fs::path(clean(path))) {
        partial /= part;
        if (part.empty() || part == "/") continue;
        if (::mkdir(partial.c_str(), 0700) == 0) continue;
        const int code = errno;
        struct stat st {};
        if (code == EEXIST && ::stat(partial.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) continue;
            error = storageErrorFromErrno(ENOTDIR);
            return false;
        }
        error = storageErrorFromErrno(code);
        return false;
    }
    return true;
}

}  // namespace ampera
