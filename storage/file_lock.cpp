#include "storage/file_lock.h"

#include <cerrno>
#include <chrono>
#include <thread>

#include "storage/file_access.h"
#include "storage/platform.h"

namespace ampera::files {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(10);

}  // namespace

std::string lockPathFor(const std::string& path) { return helperPathFor(path, ".lock"); }

bool FileLock::acquire(const std::string& path, int timeoutMs, StorageError& error) {
    release();
    const std::string lockPath = lockPathFor(path);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const int code = platform::tryLock(lockPath, handle_);
        if (code == 0) {
            lockPath_ = lockPath;
            return true;
        }
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
    if (lockPath_.empty()) return;
    platform::unlock(lockPath_, handle_);
    lockPath_.clear();
}

}  // namespace ampera::files
