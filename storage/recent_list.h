#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/storage_error.h"

namespace ampera {

// The calculation files opened or saved last, newest first: the program's own
// file beside the settings file, JSON in UTF-8,
//
//   {"files": ["/home/user/проект/фидер 1.ampera", …]}
//
// so that every path comes back byte for byte, whatever its characters, line
// breaks or length.
inline constexpr const char* kRecentListName = "ampera-recent.json";

// The paths the file holds, in order. A missing file gives nullopt; a file
// that cannot be read or is damaged gives what of it is a list of texts, or nothing.
std::optional<std::vector<std::string>> readRecentList(const std::string& path);

// Writes the list by the atomic save of a whole file (file_save.h).
bool saveRecentList(const std::string& path, const std::vector<std::string>& paths, StorageError& error);

}  // namespace ampera
