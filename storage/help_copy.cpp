#include "storage/help_copy.h"

#include <cerrno>

#include "storage/file_access.h"
#include "storage/file_lock.h"
#include "storage/platform.h"

namespace ampera {

namespace {

constexpr int kLockTimeoutMs = 2000;

}  // namespace

bool writeHelpCopy(const std::string& helpPath, std::string& copyPath, StorageError& error) {
    copyPath.clear();
    std::string folder;
    if (const int code = platform::privateFolder(folder)) {
        error = storageErrorFromErrno(code);
        return false;
    }
    copyPath = platform::fromPath(platform::toPath(folder) / kHelpCopyName);
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
