#pragma once

#include <string>

namespace ampera {

// A failed file operation: the system's error number and its description in
// Russian (UTF-8), as the message box shows them.
struct StorageError {
    int code = 0;
    std::string description;
};

// A library the program loads at run time cannot be loaded: Linux's
// ELIBACC, the same number on every system.
inline constexpr int kNoLibraryError = 79;

// The error for a system error number (errno value).
StorageError storageErrorFromErrno(int code);

// The text of the failure message box: "Ошибка: <13> - Отказано в доступе".
std::string storageErrorMessage(const StorageError& error);

}  // namespace ampera
