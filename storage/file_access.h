#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "storage/storage_error.h"

namespace ampera::files {

// Files the program reads whole are small; anything beyond this is refused
// rather than pulled into memory.
inline constexpr std::size_t kMaxReadSize = 64u * 1024u * 1024u;

enum class ReadStatus { Read, Missing, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;   // the content, when read
    unsigned mode = 0;   // permission bits, when read
    StorageError error;  // when failed
};

// Reads a regular file as raw bytes. A path that does not exist (or whose
// directory does not) is Missing; a directory (EISDIR), another kind of file,
// an unreadable file or one over maxSize bytes (EFBIG) is Failed.
ReadResult readWhole(const std::string& path, std::size_t maxSize = kMaxReadSize);

// The file a replace of path writes: symbolic links are followed to the file
// they name, whether it exists or not, so that every link stays. False with
// error filled when a link cannot be read or the links loop (ELOOP).
bool replaceTarget(const std::string& path, std::string& target, StorageError& error);

// Whether the existing file at target may be replaced: a write-protected file
// stays as it is, even where its folder would let us replace it. False with
// error filled when it may not.
bool mayReplace(const std::string& target, StorageError& error);

// A helper file beside path: "." name suffix, or, when that name would be
// longer than a folder entry may be, "." and a hash of the name, so that a
// helper's name fits whenever the file's own name does.
std::string helperPathFor(const std::string& path, std::string_view suffix);

// The temporary file a replace of path writes beside it: "." name ".tmp", or a hashed name.
std::string temporaryPathFor(const std::string& path);

// Replaces the file at path with bytes: writes the temporary file beside it,
// flushes it to the disk and renames it over the old one, so the old content
// survives a failed write or a killed process. A temporary file left behind
// by a killed replace is removed first. keepMode gives the permission bits of
// the file being replaced. Callers hold the file's lock (file_lock.h), so no
// two replaces share the temporary file.
bool replaceAtomically(const std::string& path, std::string_view bytes, std::optional<unsigned> keepMode,
                       StorageError& error);

// Appends bytes to the file at path, creating it when missing. On a failed
// write the file is cut back to its former length; a file this call created
// is removed again, so a failure never leaves an empty file.
bool append(const std::string& path, std::string_view bytes, StorageError& error);

// Fault injection for tests: called before each step of a write with the
// step's name ("write" before data is written, "sync" before the flush,
// "rename" before the rename); a nonzero result fails that step with that
// error number. Empty in the program.
inline std::function<int(std::string_view step)> faultHook;

}  // namespace ampera::files
