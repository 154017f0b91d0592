#include "storage/file_access.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace ampera::files {

namespace {

// Closes a descriptor on every way out of a scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports the failure of close itself (a delayed write
    // error may surface only here); 0 on success, otherwise errno.
    int close() {
        if (fd_ < 0) return 0;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int fault(std::string_view step) { return faultHook ? faultHook(step) : 0; }

// Writes every byte; 0 on success, otherwise errno.
int writeAll(int fd, std::string_view bytes) {
    if (const int code = fault("write")) return code;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

std::string directoryOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

bool replaceTarget(const std::string& path, std::string& target, StorageError& error) {
    constexpr int kMaxLinks = 40;  // as many as the system follows in one path
    std::filesystem::path p(path);
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = p.string();
            return true;
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) {
            error = storageErrorFromErrno(ec.value());
            return false;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    error = storageErrorFromErrno(ELOOP);
    return false;
}

bool mayReplace(const std::string& target, StorageError& error) {
    if (::access(target.c_str(), W_OK) == 0) return true;
    error = storageErrorFromErrno(errno);
    return false;
}

std::string helperPathFor(const std::string& path, std::string_view suffix) {
    constexpr std::size_t kMaxNameBytes = 255;  // a folder entry's name, on every common file system
    const std::filesystem::path p(path);
    const std::string name = p.filename().string();
    std::string helper = "." + name + std::string(suffix);
    if (helper.size() > kMaxNameBytes) {
        // FNV-1a, 64 bits: the same name gives the same helper in every copy of the program.
        std::uint64_t hash = 14695981039346656037ull;
        for (const unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
        helper = "." + std::string(hex) + std::string(suffix);
    }
    return (p.parent_path() / helper).string();
}

std::string temporaryPathFor(const std::string& path) { return helperPathFor(path, ".tmp"); }

ReadResult readWhole(const std::string& path, std::size_t maxSize) {
    ReadResult result;
    const auto fail = [&](int code) {
        result.status = ReadStatus::Failed;
        result.bytes.clear();
        result.error = storageErrorFromErrno(code);
        return result;
    };

    // Non-blocking, so that a named pipe in place of the file cannot hang us.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR) return result;  // Missing
        return fail(code);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return fail(errno);
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (!S_ISREG(st.st_mode)) return fail(EINVAL);
    if (static_cast<unsigned long long>(st.st_size) > maxSize) return fail(EFBIG);
    result.mode = st.st_mode & 07777;

    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        if (n == 0) break;
        if (result.bytes.size() + static_cast<std::size_t>(n) > maxSize) return fail(EFBIG);
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.status = ReadStatus::Read;
    return result;
}

bool replaceAtomically(const std::string& path, std::string_view bytes, std::optional<mode_t> keepMode,
                       StorageError& error) {
    const std::string temp = temporaryPathFor(path);
    // What a killed replace left behind goes first; O_EXCL and O_NOFOLLOW
    // then make sure we write a new file of our own and nothing else.
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666));
    if (!fd.valid()) {
        error = storageErrorFromErrno(errno);
        return false;
    }

    int code = 0;
    if (keepMode && ::fchmod(fd.get(), *keepMode) != 0) code = errno;
    if (code == 0) code = writeAll(fd.get(), bytes);
    if (code == 0) code = fault("sync");
    if (code == 0 && ::fsync(fd.get()) != 0) code = errno;
    const int closeCode = fd.close();
    if (code == 0) code = closeCode;
    if (code == 0) code = fault("rename");
    if (code == 0 && ::rename(temp.c_str(), path.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        error = storageErrorFromErrno(code);
        return false;
    }

    // Make the rename itself durable; a failure here changes nothing visible.
    Descriptor dir(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
    return true;
}

bool append(const std::string& path, std::string_view bytes, StorageError& error) {
    constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    // Whether this call creates the file decides what a failure leaves.
    bool created = true;
    int fdNumber = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
    if (fdNumber < 0 && errno == EEXIST) {
        created = false;
        fdNumber = ::open(path.c_str(), kFlags);
    }
    Descriptor fd(fdNumber);
    if (!fd.valid()) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = storageErrorFromErrno(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = storageErrorFromErrno(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    const off_t before = created ? 0 : st.st_size;

    int code = writeAll(fd.get(), bytes);
    if (code == 0) {
        code = fd.close();
        if (code == 0) return true;
        // The descriptor is gone; cut the file back by name.
        if (::truncate(path.c_str(), before) != 0) { /* the write error is the one to report */
        }
    } else {
        // Leave what the file held before, and nothing of the broken report.
        if (::ftruncate(fd.get(), before) != 0) { /* the original error is the one to report */
        }
    }
    if (created) {
        // An empty file is no report: remove the one made here, unless
        // another writer has put something into it meanwhile.
        struct stat now {};
        if (::stat(path.c_str(), &now) == 0 && now.st_ino == st.st_ino && now.st_dev == st.st_dev && now.st_size == 0)
            ::unlink(path.c_str());
    }
    error = storageErrorFromErrno(code);
    return false;
}

}  // namespace ampera::files
