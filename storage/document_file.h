#pragma once

#include <string>
#include <string_view>

#include "storage/storage_error.h"

namespace ampera::files {

// How long a document write waits for another copy of the program that is
// writing the same file.
inline constexpr int kDocumentLockTimeoutMs = 1000;

// Writes a whole document the program makes (a calculation sheet) to path,
// replacing what is there: under the file's lock, through a temporary file
// beside it and a rename, with the permission bits of a file it replaces.
// A folder or another non-regular file at path, a write-protected file, or a
// folder that is missing or cannot be written fails with the reason in
// *error; the old file then stays as it was and nothing is left behind.
bool writeDocument(const std::string& path, std::string_view bytes, StorageError& error);

}  // namespace ampera::files
