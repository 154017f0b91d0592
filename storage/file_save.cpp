#include "storage/file_save.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>

#include "storage/file_access.h"
#include "storage/file_lock.h"

namespace ampera::files {

bool saveWhole(const std::string& path, std::string_view bytes, StorageError& error) {
    std::string target;
    if (!replaceTarget(path, target, error)) return false;
    FileLock lock;
    if (!lock.acquire(target, kSaveLockTimeoutMs, error)) return false;
    std::optional<mode_t> keepMode;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode) || !S_ISREG(st.st_mode)) {
            error = storageErrorFromErrno(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
            return false;
        }
        if (!mayReplace(target, error)) return false;
        keepMode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    return replaceAtomically(target, bytes, keepMode, error);
}

}  // namespace ampera::files
