#pragma once

#include <string>
#include <string_view>

#include "storage/storage_error.h"

namespace ampera::files {

// How long a save waits for another copy of the program to finish its own save of the same file.
inline constexpr int kSaveLockTimeoutMs = 1000;

// Saves a file written whole (a calculation file): under the file's lock, an
// existing file is replaced atomically (replaceAtomically), keeping its
// permission bits; a missing one is made. A symbolic link is followed to the
// file it names and stays a link; where that file cannot be written, the save
// fails. A folder in its place, a write-protected file, a folder that cannot
// be written or is gone, a full disk: false with error filled, and the old
// file keeps every byte.
bool saveWhole(const std::string& path, std::string_view bytes, StorageError& error);

}  // namespace ampera::files
