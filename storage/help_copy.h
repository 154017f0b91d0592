#pragma once

#include <string>

#include "storage/storage_error.h"

namespace ampera {

// The name of the help's HTML copy in the private folder.
inline constexpr const char* kHelpCopyName = "ampera-help.html";

// The folder private to the user that the help copy goes into:
// $XDG_RUNTIME_DIR when it is a folder of the user's own with mode 0700,
// else the "ampera" folder in the user's cache folder ($XDG_CACHE_HOME, else
// ~/.cache), made when missing and given mode 0700. False with error filled
// when that folder cannot be made or is a link, another user's or no folder.
bool privateFolder(std::string& folder, StorageError& error);

// Copies the help file at helpPath (an HTML document under the name
// ampera.hlp, which a desktop would take for a Windows help file) to
// kHelpCopyName in the private folder, mode 0600. The copy is written anew
// each time beside its place and renamed over it, so whatever stood at that
// name (an old copy, a planted link) is replaced and never followed.
// copyPath gets the copy's path, also on a failure once the folder is known.
bool writeHelpCopy(const std::string& helpPath, std::string& copyPath, StorageError& error);

}  // namespace ampera
