#include "storage/file_lock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "storage/file_access.h"

namespace ampera::files {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(10);

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

std::string lockPathFor(const std::string& path) { return helperPathFor(path, ".lock"); }

bool FileLock::acquire(const std::string& path, int timeoutMs, StorageError& error) {
    release();
    const std::string lockPath = lockPathFor(path);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        // Non-blocking and without following links: a pipe, a device or a
        // link in its place can neither hang nor redirect us.
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY,
                              0666);
        if (fd < 0) {
            error = storageErrorFromErrno(errno == ELOOP ? EINVAL : errno);
            return false;
        }
        struct stat mine {};
        if (::fstat(fd, &mine) != 0 || !S_ISREG(mine.st_mode)) {
            const int code = S_ISDIR(mine.st_mode) ? EISDIR : EINVAL;
            ::close(fd);
            error = storageErrorFromErrno(code);
            return false;
        }
        int code = 0;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            code = errno;
            if (code == EINTR) continue;
            break;
        }
        if (code == 0 || code == ENOLCK || code == EOPNOTSUPP) {
            // Still the file at the lock path? The last holder may have
            // removed it between our open and our lock.
            struct stat now {};
            if (code != 0 || (::stat(lockPath.c_str(), &now) == 0 && sameFile(now, mine))) {
                fd_ = fd;
                lockPath_ = lockPath;
                return true;
            }
            code = EWOULDBLOCK;  // the old holder is gone: try the new file
        }
        ::close(fd);
        if (code != EWOULDBLOCK) {
            error = storageErrorFromErrno(code);
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            error = storageErrorFromErrno(EWOULDBLOCK);
            return false;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

void FileLock::release() {
    if (fd_ < 0) return;
    // Removed while still held, so that no one takes a lock on a file that
    // is about to vanish unnoticed.
    ::unlink(lockPath_.c_str());
    ::close(fd_);
    fd_ = -1;
    lockPath_.clear();
}

}  // namespace ampera::files
