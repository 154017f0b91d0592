#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ampera::platform {

// What differs between the systems the program runs on, behind one
// interface: files opened without following links, locks between copies of
// the program, the atomic replace, folders, the user's folders and libraries
// loaded at run time. One implementation per system (platform/posix.cpp,
// platform/windows.cpp); the portable parts are in platform/common.cpp.
//
// Paths are UTF-8 everywhere in the program (UTF-16 only at the Windows
// API). Failures are errno's numbers, 0 for success; on Windows the
// system's errors are mapped onto them.

// A UTF-8 path as the standard library's path, and back: a std::string
// given to std::filesystem directly would be read in the system's code page
// on Windows.
std::filesystem::path toPath(std::string_view utf8);
std::string fromPath(const std::filesystem::path& path);

// The path without "." and ".." steps and without a trailing separator.
std::string normalPath(const std::string& path);

enum class FileKind { Missing, Regular, Directory, Link, Other };

struct FileStatus {
    FileKind kind = FileKind::Missing;
    std::uint64_t size = 0;
    // The permission bits (07777); on Windows 0444 for a read-only file, else 0666.
    unsigned permissions = 0;
    bool ownedByUser = false;  // on Windows always: its folders are guarded by their access lists
    // Two statuses with the same pair are the same file.
    std::uint64_t device = 0;
    std::uint64_t node = 0;
};

// The status of path, of a final link itself unless followLink. A missing
// path (or a missing folder on the way) is success with kind Missing.
int status(const std::string& path, FileStatus& out, bool followLink = false);

// An open file, closed when it goes.
class File {
public:
    enum class Open {
        Read,       // an existing file for reading, without waiting on a pipe or device
        CreateNew,  // a new file for writing: EEXIST when anything, a link too, is at the path
        Append,     // for appending at the end, made when missing (created())
    };

    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() { close(); }

    // permissions: the bits of a file this call makes (POSIX only).
    int open(const std::string& path, Open how, unsigned permissions = 0666);
    bool isOpen() const { return handle_ != kNone; }
    bool created() const { return created_; }

    int status(FileStatus& out) const;
    // Reads up to size bytes; got 0 at the end.
    int read(char* buffer, std::size_t size, std::size_t& got);
    int writeAll(std::string_view bytes);
    int setPermissions(unsigned permissions);  // a no-op on Windows
    int sync();                                // to the disk
    int truncate(std::uint64_t size);
    // Closes now and reports the failure of the close itself (a delayed
    // write error may surface only here).
    int close();

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;  // a descriptor, or a Windows HANDLE
    bool created_ = false;
    bool appending_ = false;  // Windows: every write goes to the end
};

// Takes the exclusive lock of the lock file at lockPath, made when missing,
// without waiting: EWOULDBLOCK while another process (or another lock in
// this one) holds it. The lock file exists only while the lock is held;
// unlock removes it and lets go, and a process killed while holding the
// lock loses it. Never follows a link at lockPath.
int tryLock(const std::string& lockPath, std::intptr_t& handle);
void unlock(const std::string& lockPath, std::intptr_t handle);

// Puts the file at from in place of to in one step: a reader sees the old
// file or the new one whole, and the change is on the disk when this
// returns. On Windows a target another process holds open is retried for a
// while, then its error is returned.
int replace(const std::string& from, const std::string& to);
// Removes a file (not a folder); ENOENT when there is none.
int remove(const std::string& path);

// Whether the user may write the existing file at path: 0, or why not.
int mayWrite(const std::string& path);
// Whether the user may make and remove files in the folder dir.
bool folderWritable(const std::string& dir);
// Makes the folder and any missing parents, private to the user (mode 0700
// on POSIX). An existing folder is success; a part that is no folder is ENOTDIR.
int makeFolders(const std::string& path);
// Makes one folder, private to the user; EEXIST when something is there.
int makeFolder(const std::string& path);

// The environment variable, in UTF-8; nullopt when unset.
std::optional<std::string> environment(const char* name);

// The user's folders: on Linux by the XDG rules, on Windows the known folders.
std::string userHome();          // $HOME, else the password database; %USERPROFILE%
std::string userConfigHome();    // $XDG_CONFIG_HOME, else ~/.config; %APPDATA%
std::string userCacheHome();     // $XDG_CACHE_HOME, else ~/.cache; %LOCALAPPDATA%
std::string userDocumentsDir();  // $XDG_DOCUMENTS_DIR, else user-dirs.dirs, else home; Documents

// A folder private to the user for the program's passing files:
// $XDG_RUNTIME_DIR when it is a folder of the user's own with mode 0700,
// else "ampera" in the cache folder, made when missing and closed to others
// (mode 0700); on Windows "ampera" in %LOCALAPPDATA%. An error when that
// folder cannot be made or is a link, another user's or no folder.
int privateFolder(std::string& folder);

// A new empty file of the program's own in the temporary folder, for a
// library that writes by name; the caller removes it.
int makeScratchFile(std::string& path);

// A shared library loaded by its file name, and a function in it; nullptr
// when either is not found.
void* loadLibrary(const char* name);
void* librarySymbol(void* library, const char* name);

}  // namespace ampera::platform
