// The platform layer on Linux and other POSIX systems.
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/platform.h"
#include "storage/storage_error.h"

namespace ampera::platform {

namespace fs = std::filesystem;

static_assert(ELIBACC == kNoLibraryError);

namespace {

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

FileStatus fromStat(const struct stat& st) {
    FileStatus s;
    s.kind = S_ISREG(st.st_mode)   ? FileKind::Regular
             : S_ISDIR(st.st_mode) ? FileKind::Directory
             : S_ISLNK(st.st_mode) ? FileKind::Link
                                   : FileKind::Other;
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.permissions = st.st_mode & 07777;
    s.ownedByUser = st.st_uid == ::geteuid();
    s.device = st.st_dev;
    s.node = st.st_ino;
    return s;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

std::string join(const std::string& dir, const char* name) { return fromPath(toPath(dir) / name); }

// An environment variable that holds an absolute path, else empty.
std::string absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return {};
    return normalPath(value);
}

// The value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: a quoted
// "$HOME/..." or absolute path. Empty when the file or the line is missing or
// the value is neither.
std::string documentsFromUserDirs(const std::string& file, const std::string& home) {
    std::ifstream in(file);
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value == "$HOME" || value.rfind("$HOME/", 0) == 0) value = home + value.substr(5);
        if (value.empty() || value[0] != '/') return {};
        return normalPath(value);
    }
    return {};
}

// A folder itself (no link), of the effective user, which nobody else may enter.
bool isPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

}  // namespace

int status(const std::string& path, FileStatus& out, bool followLink) {
    struct stat st {};
    if ((followLink ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) {
        out = FileStatus{};
        return errno == ENOENT || errno == ENOTDIR ? 0 : errno;
    }
    out = fromStat(st);
    return 0;
}

int File::open(const std::string& path, Open how, unsigned permissions) {
    close();
    constexpr int kCommon = O_CLOEXEC | O_NOCTTY;
    int fd = -1;
    created_ = false;
    appending_ = how == Open::Append;  // O_APPEND does the rest
    switch (how) {
    // Non-blocking, so that a named pipe in place of the file cannot hang us.
    case Open::Read: fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | kCommon); break;
    case Open::CreateNew:
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | kCommon, permissions);
        created_ = fd >= 0;
        break;
    case Open::Append: {
        constexpr int kFlags = O_WRONLY | O_APPEND | O_NONBLOCK | kCommon;
        fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, permissions);
        created_ = fd >= 0;
        if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), kFlags);
        break;
    }
    }
    if (fd < 0) return errno;
    handle_ = fd;
    return 0;
}

int File::status(FileStatus& out) const {
    struct stat st {};
    if (::fstat(descriptor(handle_), &st) != 0) return errno;
    out = fromStat(st);
    return 0;
}

int File::read(char* buffer, std::size_t size, std::size_t& got) {
    for (;;) {
        const ssize_t n = ::read(descriptor(handle_), buffer, size);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR) return errno;
    }
}

int File::writeAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(descriptor(handle_), bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int File::setPermissions(unsigned permissions) { return ::fchmod(descriptor(handle_), permissions) == 0 ? 0 : errno; }

int File::sync() { return ::fsync(descriptor(handle_)) == 0 ? 0 : errno; }

int File::truncate(std::uint64_t size) {
    return ::ftruncate(descriptor(handle_), static_cast<off_t>(size)) == 0 ? 0 : errno;
}

int File::close() {
    if (handle_ == kNone) return 0;
    const int rc = ::close(descriptor(handle_));
    handle_ = kNone;
    return rc == 0 ? 0 : errno;
}

// flock on the lock file. The holder removes the file before it lets go, and
// a taker that finds its file gone or replaced starts again, so two copies
// can never hold locks on two different lock files. A file system without
// locks is no failure: the lock is then taken as held.
int tryLock(const std::string& lockPath, std::intptr_t& handle) {
    // Non-blocking and without following links: a pipe, a device or a link
    // in its place can neither hang nor redirect us.
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return errno == ELOOP ? EINVAL : errno;
    struct stat mine {};
    if (::fstat(fd, &mine) != 0 || !S_ISREG(mine.st_mode)) {
        ::close(fd);
        return S_ISDIR(mine.st_mode) ? EISDIR : EINVAL;
    }
    int code = 0;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        code = errno;
        if (code != EINTR) break;
        code = 0;
    }
    if (code == 0 || code == ENOLCK || code == EOPNOTSUPP) {
        // Still the file at the lock path? The last holder may have removed
        // it between our open and our lock.
        struct stat now {};
        if (code != 0 || (::stat(lockPath.c_str(), &now) == 0 && sameFile(now, mine))) {
            handle = fd;
            return 0;
        }
        code = EWOULDBLOCK;  // the old holder is gone: the caller tries the new file
    }
    ::close(fd);
    return code;
}

void unlock(const std::string& lockPath, std::intptr_t handle) {
    // Removed while still held, so that no one takes a lock on a file that
    // is about to vanish unnoticed.
    ::unlink(lockPath.c_str());
    ::close(descriptor(handle));
}

int replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return errno;
    // Make the rename itself durable; a failure here changes nothing visible.
    const fs::path parent = toPath(to).parent_path();
    const int dir = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}

int remove(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

int mayWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0 ? 0 : errno; }

bool folderWritable(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return ::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

int makeFolder(const std::string& path) { return ::mkdir(path.c_str(), 0700) == 0 ? 0 : errno; }

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string userHome() {
    std::string home = absoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') return pw->pw_dir;
    return "/";
}

std::string userConfigHome() {
    std::string config = absoluteFromEnvironment("XDG_CONFIG_HOME");
    return config.empty() ? join(userHome(), ".config") : config;
}

std::string userCacheHome() {
    std::string cache = absoluteFromEnvironment("XDG_CACHE_HOME");
    return cache.empty() ? join(userHome(), ".cache") : cache;
}

std::string userDocumentsDir() {
    std::string documents = absoluteFromEnvironment("XDG_DOCUMENTS_DIR");
    if (!documents.empty()) return documents;
    const std::string home = userHome();
    documents = documentsFromUserDirs(join(userConfigHome(), "user-dirs.dirs"), home);
    return documents.empty() ? home : documents;
}

int privateFolder(std::string& folder) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && isPrivateFolder(runtime)) {
        folder = runtime;
        return 0;
    }
    folder = join(userCacheHome(), "ampera");
    if (const int code = makeFolders(folder)) return code;
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    if (st.st_uid != ::geteuid()) return EACCES;
    // The program's own folder, left open by someone: closed again.
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) return errno;
    return 0;
}

int makeScratchFile(std::string& path) {
    const char* tmp = std::getenv("TMPDIR");
    path = std::string(tmp && *tmp ? tmp : "/tmp") + "/ampera-book-XXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

void* loadLibrary(const char* name) { return ::dlopen(name, RTLD_NOW | RTLD_LOCAL); }

void* librarySymbol(void* library, const char* name) { return ::dlsym(library, name); }

}  // namespace ampera::platform
