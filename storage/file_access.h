#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "storage/storage_error.h"

namespace ampera::files {

// Files the program reads whole are small; anything beyond this is refused
// rather than pulled into memory.
inline constexpr std::size_t kMaxReadSize = 64u * 1024u * 1024u;

enum class ReadStatus { Read, Missing, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;         // the content, when read
    mode_t mode = 0;           // permission bits, when read
    StorageError error;        // when failed
};

// Reads a regular file as raw bytes. A path that does not exist (or whose
// directory does not) is Missing; a directory, another kind of file, an
// unreadable or oversized file is Failed.
ReadResult readWhole(const std::string& path);

// Replaces the file at path with bytes: writes a new file beside it and
// renames it over the old one, so the old content survives a failed write.
// keepMode gives the permission bits of the file being replaced. The
// temporary file never outlives the call.
bool replaceAtomically(const std::string& path, std::string_view bytes, std::optional<mode_t> keepMode,
                       StorageError& error);

// Appends bytes to the file at path, creating it when missing. On a failed
// write the file is cut back to its former length.
bool append(const std::string& path, std::string_view bytes, StorageError& error);

}  // namespace ampera::files
