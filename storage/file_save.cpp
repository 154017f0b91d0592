#include "storage/file_save.h"

#include <cerrno>
#include <optional>

#include "storage/file_access.h"
#include "storage/file_lock.h"
#include "storage/platform.h"

namespace ampera::files {

bool saveWhole(const std::string& path, std::string_view bytes, StorageError& error) {
    std::string target;
    if (!replaceTarget(path, target, error)) return false;
    FileLock lock;
    if (!lock.acquire(target, kSaveLockTimeoutMs, error)) return false;
    std::optional<unsigned> keepMode;
    platform::FileStatus st;
    if (const int code = platform::status(target, st, true)) {
        error = storageErrorFromErrno(code);
        return false;
    }
    if (st.kind != platform::FileKind::Missing) {
        if (st.kind != platform::FileKind::Regular) {
            error = storageErrorFromErrno(st.kind == platform::FileKind::Directory ? EISDIR : EINVAL);
            return false;
        }
        if (!mayReplace(target, error)) return false;
        keepMode = st.permissions;
    }
    return replaceAtomically(target, bytes, keepMode, error);
}

}  // namespace ampera::files
