#include "storage/file_locations.h"

#include <filesystem>

#include "storage/platform.h"
#include "storage/recent_list.h"

namespace ampera {

namespace fs = std::filesystem;

namespace {

std::string join(const std::string& dir, const std::string& name) {
    return platform::fromPath(platform::toPath(dir) / platform::toPath(name));
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
    f.programDirWritable = platform::folderWritable(programDir);
    if (!dataDirFromProgramDir.empty()) {
        const std::string data = platform::normalPath(join(programDir, dataDirFromProgramDir));
        std::error_code ec;
        if (fs::is_regular_file(platform::toPath(join(data, "ampera.hlp")), ec)) f.installedDataDir = data;
    }
    f.configHome = platform::userConfigHome();
    f.documentsDir = platform::userDocumentsDir();
    return f;
}

bool makeFolder(const std::string& path, StorageError& error) {
    const int code = platform::makeFolders(path);
    if (code == 0) return true;
    error = storageErrorFromErrno(code);
    return false;
}

}  // namespace ampera
