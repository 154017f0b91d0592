#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/storage_error.h"

namespace ampera {

// The settings file: a private-profile (INI) file kept in Windows-1251 with
// CR LF line ends. Names and values cross this interface as UTF-8.
//
//   [Section]
//   Key=Value
//
// Section and key names match without regard to case (Latin and Cyrillic
// letters alike); blanks around names and values do not count; when a name
// occurs twice, the first occurrence wins. Lines without '=' and comment
// lines (starting with ';') are ignored when reading and kept when writing.

// Longest value a read returns, in characters.
inline constexpr std::size_t kMaxSettingLength = 255;

// The value of key in section, at most 255 characters. A missing file,
// section or key gives empty text and is no failure; a file that cannot be
// read (a directory, no permission, an I/O error) gives empty text and fills
// *error.
std::string getValueString(const std::string& section, const std::string& key, const std::string& path,
                           std::optional<StorageError>* error = nullptr);

// How long a save waits for another copy of the program to finish its own.
inline constexpr int kLockTimeoutMs = 1000;

struct SettingEntry {
    std::string section, key, value;
};

// Sets every entry, in order, in one atomic replace of the file: either all
// of them are applied or the file is left as it was. The file is read,
// changed and replaced under an exclusive lock (file_lock.h), so two copies
// of the program saving at once both keep their keys; a lock not had within
// kLockTimeoutMs fails the save. Lines of the file other than the entries'
// own keep every byte; added lines end in CR LF; an existing key line keeps
// its name, spacing and line end. Saving what the file holds already leaves
// it untouched. Returns false and fills *error on failure (as setValue).
bool setValues(const std::string& path, const std::vector<SettingEntry>& entries,
               std::optional<StorageError>* error = nullptr);

// Sets key in section to value, creating the file, the section and the key
// as needed and leaving every other line as it was. Characters the code page
// lacks are stored as '?'. The file is replaced as a whole, so a failed write
// leaves the old file intact. Returns false and fills *error on failure
// (names or value with line breaks, a key with '=', a section with ']' are
// refused as invalid).
bool setValue(const std::string& section, const std::string& key, const std::string& value, const std::string& path,
              std::optional<StorageError>* error = nullptr);

}  // namespace ampera
