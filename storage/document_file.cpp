#include "storage/document_file.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/file_access.h"
#include "storage/file_lock.h"

namespace ampera::files {

bool writeDocument(const std::string& path, std::string_view bytes, StorageError& error) {
    FileLock lock;
    if (!lock.acquire(path, kDocumentLockTimeoutMs, error)) return false;

    // What is at path now decides whether it may be replaced, and with which bits.
    std::optional<mode_t> keepMode;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            error = storageErrorFromErrno(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
            return false;
        }
        if (::access(path.c_str(), W_OK) != 0) {
            error = storageErrorFromErrno(errno);
            return false;
        }
        keepMode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    return replaceAtomically(path, bytes, keepMode, error);
}

}  // namespace ampera::files
