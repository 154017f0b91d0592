// The platform layer on Windows: UTF-16 paths at the API, the system's
// errors mapped onto errno's numbers.
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <shlobj.h>

#include "storage/platform.h"
#include "storage/storage_error.h"

namespace ampera::platform {

namespace {

// How long a replace waits for another process to let go of its target
// (a reader, a virus scanner, a backup).
constexpr auto kReplaceRetry = std::chrono::milliseconds(2000);
constexpr DWORD kRetryPauseMs = 20;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::wstring wide(const std::string& utf8) { return toPath(utf8).wstring(); }
std::string narrow(const std::wstring& utf16) { return fromPath(std::filesystem::path(utf16)); }

HANDLE handleOf(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

int errorFrom(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY: return ENOTEMPTY;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME: return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_INVALID_HANDLE: return EBADF;
    case ERROR_CANT_RESOLVE_FILENAME: return ELOOP;
    case ERROR_MOD_NOT_FOUND: return kNoLibraryError;
    default: return EIO;
    }
}

int lastError() { return errorFrom(::GetLastError()); }

// The status of an open file; false with the system's error kept when it cannot be read.
bool fromHandle(HANDLE h, bool reparseIsLink, FileStatus& s) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(h, &info)) return false;
    const DWORD a = info.dwFileAttributes;
    s.kind = reparseIsLink && (a & FILE_ATTRIBUTE_REPARSE_POINT) ? FileKind::Link
             : (a & FILE_ATTRIBUTE_DIRECTORY)                    ? FileKind::Directory
             : ::GetFileType(h) == FILE_TYPE_DISK                ? FileKind::Regular
                                                                 : FileKind::Other;
    s.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    s.permissions = (a & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    s.ownedByUser = true;
    s.device = info.dwVolumeSerialNumber;
    s.node = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return true;
}

// An absolute path from the environment, else empty.
std::string absoluteFromEnvironment(const char* name) {
    const std::optional<std::string> value = environment(name);
    if (!value || !toPath(*value).is_absolute()) return {};
    return normalPath(*value);
}

// A known folder of the user's (FOLDERID_...), else empty.
std::string knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) folder = narrow(path);
    ::CoTaskMemFree(path);
    return folder;
}

std::string fromEnvironmentOrKnown(const char* name, REFKNOWNFOLDERID id) {
    std::string folder = absoluteFromEnvironment(name);
    return folder.empty() ? knownFolder(id) : folder;
}

}  // namespace

int status(const std::string& path, FileStatus& out, bool followLink) {
    out = FileStatus{};
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE h = ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, flags,
                                   nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const int code = lastError();
        return code == ENOENT ? 0 : code;
    }
    const int code = fromHandle(h, !followLink, out) ? 0 : lastError();
    ::CloseHandle(h);
    return code;
}

int File::open(const std::string& path, Open how, unsigned) {
    close();
    const std::wstring name = wide(path);
    HANDLE h = INVALID_HANDLE_VALUE;
    created_ = false;
    appending_ = false;
    switch (how) {
    // Backup semantics, so that a folder opens and is then refused as a folder.
    case Open::Read:
        h = ::CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                          nullptr);
        break;
    // CREATE_NEW fails on anything at the name, a link included.
    case Open::CreateNew:
        h = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        created_ = h != INVALID_HANDLE_VALUE;
        break;
    case Open::Append:
        h = ::CreateFileW(name.c_str(), GENERIC_WRITE | GENERIC_READ, kShareAll, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        created_ = h != INVALID_HANDLE_VALUE;
        if (!created_ && ::GetLastError() == ERROR_FILE_EXISTS)
            h = ::CreateFileW(name.c_str(), GENERIC_WRITE | GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        appending_ = true;
        break;
    }
    if (h == INVALID_HANDLE_VALUE) return lastError();
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return 0;
}

int File::status(FileStatus& out) const { return fromHandle(handleOf(handle_), false, out) ? 0 : lastError(); }

int File::read(char* buffer, std::size_t size, std::size_t& got) {
    DWORD n = 0;
    const DWORD want = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    if (!::ReadFile(handleOf(handle_), buffer, want, &n, nullptr)) return lastError();
    got = n;
    return 0;
}

int File::writeAll(std::string_view bytes) {
    while (!bytes.empty()) {
        // An appending write goes to the end of the file in one step, as O_APPEND does.
        OVERLAPPED atEnd{};
        atEnd.Offset = atEnd.OffsetHigh = 0xFFFFFFFF;
        DWORD n = 0;
        const DWORD want = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        if (!::WriteFile(handleOf(handle_), bytes.data(), want, &n, appending_ ? &atEnd : nullptr)) return lastError();
        if (n == 0) return EIO;
        bytes.remove_prefix(n);
    }
    return 0;
}

int File::setPermissions(unsigned) { return 0; }

int File::sync() { return ::FlushFileBuffers(handleOf(handle_)) ? 0 : lastError(); }

int File::truncate(std::uint64_t size) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(size);
    if (!::SetFilePointerEx(handleOf(handle_), at, nullptr, FILE_BEGIN) || !::SetEndOfFile(handleOf(handle_)))
        return lastError();
    return 0;
}

int File::close() {
    if (handle_ == kNone) return 0;
    const BOOL closed = ::CloseHandle(handleOf(handle_));
    handle_ = kNone;
    return closed ? 0 : lastError();
}

// The lock file is opened for this process alone and deleted by the system
// when its handle closes, also when the process is killed: another
// process's open fails while it is held.
int tryLock(const std::string& lockPath, std::intptr_t& handle) {
    // A folder or a link in its place is refused. A status that cannot be
    // read (a lock file its holder is deleting) is left to the open.
    FileStatus st;
    if (status(lockPath, st) == 0) {
        if (st.kind == FileKind::Directory) return EISDIR;
        if (st.kind != FileKind::Missing && st.kind != FileKind::Regular) return EINVAL;
    }
    const std::wstring name = wide(lockPath);
    const HANDLE h = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        handle = reinterpret_cast<std::intptr_t>(h);
        return 0;
    }
    const DWORD code = ::GetLastError();
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION) return EWOULDBLOCK;
    // Denied on a name that is there: the lock file of a holder letting go,
    // which the folder lists until its last handle closes.
    WIN32_FIND_DATAW found;
    const HANDLE listing = ::FindFirstFileExW(name.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (listing != INVALID_HANDLE_VALUE) {
        ::FindClose(listing);
        if (code == ERROR_ACCESS_DENIED) return EWOULDBLOCK;
    }
    return errorFrom(code);
}

void unlock(const std::string&, std::intptr_t handle) { ::CloseHandle(handleOf(handle)); }

int replace(const std::string& from, const std::string& to) {
    const std::wstring source = wide(from);
    const std::wstring target = wide(to);
    const auto deadline = std::chrono::steady_clock::now() + kReplaceRetry;
    for (;;) {
        if (::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
        const DWORD code = ::GetLastError();
        const bool held = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
                          code == ERROR_LOCK_VIOLATION;
        if (!held || std::chrono::steady_clock::now() >= deadline) return errorFrom(code);
        ::Sleep(kRetryPauseMs);
    }
}

int remove(const std::string& path) { return ::DeleteFileW(wide(path).c_str()) ? 0 : lastError(); }

int mayWrite(const std::string& path) {
    const DWORD a = ::GetFileAttributesW(wide(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return lastError();
    return (a & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
}

// Access lists decide, so the folder is tried: a file made and gone at once.
bool folderWritable(const std::string& dir) {
    const std::wstring probe = wide(dir) + L"\\.ampera-" + std::to_wstring(::GetCurrentProcessId()) + L".probe";
    const HANDLE h = ::CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(h);
    return true;
}

int makeFolder(const std::string& path) { return ::CreateDirectoryW(wide(path).c_str(), nullptr) ? 0 : lastError(); }

std::optional<std::string> environment(const char* name) {
    const std::wstring key = wide(name);
    const DWORD size = ::GetEnvironmentVariableW(key.c_str(), nullptr, 0);
    if (size == 0) return ::GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>("");
    std::wstring value(size, L'\0');
    value.resize(::GetEnvironmentVariableW(key.c_str(), value.data(), size));
    return narrow(value);
}

std::string userHome() { return fromEnvironmentOrKnown("USERPROFILE", FOLDERID_Profile); }
std::string userConfigHome() { return fromEnvironmentOrKnown("APPDATA", FOLDERID_RoamingAppData); }
std::string userCacheHome() { return fromEnvironmentOrKnown("LOCALAPPDATA", FOLDERID_LocalAppData); }

std::string userDocumentsDir() {
    const std::string documents = knownFolder(FOLDERID_Documents);
    return documents.empty() ? userHome() : documents;
}

int privateFolder(std::string& folder) {
    folder = fromPath(toPath(userCacheHome()) / "ampera");
    if (const int code = makeFolders(folder)) return code;
    FileStatus st;
    if (const int code = status(folder, st)) return code;
    return st.kind == FileKind::Directory ? 0 : ENOTDIR;
}

int makeScratchFile(std::string& path) {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (::GetTempPathW(MAX_PATH + 1, folder) == 0 || ::GetTempFileNameW(folder, L"amp", 0, name) == 0)
        return lastError();
    path = narrow(name);
    return 0;
}

void* loadLibrary(const char* name) { return ::LoadLibraryW(wide(name).c_str()); }

void* librarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

}  // namespace ampera::platform
