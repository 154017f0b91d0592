#include "storage/help_copy.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/file_access.h"
#include "storage/file_locations.h"
#include "storage/file_lock.h"

namespace ampera {

namespace {

constexpr int kLockTimeoutMs = 2000;

// A folder itself (no link), of the effective user, which nobody else may enter.
bool isPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

}  // namespace

bool privateFolder(std::string& folder, StorageError& error) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && isPrivateFolder(runtime)) {
        folder = runtime;
        return true;
    }
    folder = (std::filesystem::path(userCacheHome()) / "ampera").string();
    if (!makeFolder(folder, error)) return false;
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        error = storageErrorFromErrno(ENOTDIR);
        return false;
    }
    if (st.st_uid != ::geteuid()) {
        error = storageErrorFromErrno(EACCES);
        return false;
    }
    // The program's own folder, left open by someone: closed again.
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    return true;
}

bool writeHelpCopy(const std::string& helpPath, std::string& copyPath, StorageError& error) {
    copyPath.clear();
    std::string folder;
    if (!privateFolder(folder, error)) return false;
    copyPath = (std::filesystem::path(folder) / kHelpCopyName).string();
    const files::ReadResult help = files::readWhole(helpPath);
    if (help.status != files::ReadStatus::Read) {
        error = help.status == files::ReadStatus::Missing ? storageErrorFromErrno(ENOENT) : help.error;
        return false;
    }
    // Two copies of the program asking for the help at once write one after the other.
    files::FileLock lock;
    if (!lock.acquire(copyPath, kLockTimeoutMs, error)) return false;
    return files::replaceAtomically(copyPath, help.bytes, 0600, error);
}

}  // namespace ampera
