#pragma once

#include <string>

#include "storage/storage_error.h"

namespace ampera::files {

// The lock file beside path: "." name ".lock", or a hashed name (helperPathFor).
std::string lockPathFor(const std::string& path);

// An exclusive lock that serialises every read-change-replace of one file
// between copies of the program: flock on the lock file beside it. The lock
// file exists only while the lock is held; the holder removes it before it
// lets go, and a taker that finds its lock file gone or replaced starts
// again, so two copies can never hold locks on two different lock files.
// A copy killed while holding the lock loses it with its descriptors; its
// lock file is taken over and removed by the next holder.
class FileLock {
public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() { release(); }

    // Takes the lock of path, trying for at most timeoutMs milliseconds.
    // False with *error filled when the lock file cannot be made (no write
    // access, not a regular file) or another holder keeps it that long
    // (EWOULDBLOCK). A file system without locks is no failure: the lock is
    // then taken as held.
    bool acquire(const std::string& path, int timeoutMs, StorageError& error);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::string lockPath_;
};

}  // namespace ampera::files
