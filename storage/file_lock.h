#pragma once

#include <cstdint>
#include <string>

#include "storage/storage_error.h"

namespace ampera::files {

// The lock file beside path: "." name ".lock", or a hashed name (helperPathFor).
std::string lockPathFor(const std::string& path);

// An exclusive lock that serialises every read-change-replace of one file
// between copies of the program: the lock of the lock file beside it
// (platform::tryLock), which exists only while the lock is held. A copy
// killed while holding the lock loses it.
class FileLock {
public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() { release(); }

    // Takes the lock of path, trying for at most timeoutMs milliseconds.
    // False with *error filled when the lock file cannot be made (no write
    // access, not a regular file) or another holder keeps it that long
    // (EWOULDBLOCK).
    bool acquire(const std::string& path, int timeoutMs, StorageError& error);
    void release();
    bool held() const { return !lockPath_.empty(); }

private:
    std::intptr_t handle_ = -1;
    std::string lockPath_;  // empty while not held
};

}  // namespace ampera::files
