#pragma once

#include <string>

#include "storage/storage_error.h"

namespace ampera {

// The name of the help's HTML copy in the private folder.
inline constexpr const char* kHelpCopyName = "ampera-help.html";

// Copies the help file at helpPath (an HTML document under the name
// ampera.hlp, which a desktop would take for a Windows help file) to
// kHelpCopyName in the user's private folder (platform::privateFolder),
// mode 0600. The copy is written anew each time beside its place and
// renamed over it, so whatever stood at that name (an old copy, a planted
// link) is replaced and never followed.
// copyPath gets the copy's path, also on a failure once the folder is known.
bool writeHelpCopy(const std::string& helpPath, std::string& copyPath, StorageError& error);

}  // namespace ampera
