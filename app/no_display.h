#pragma once

#include <string>

namespace ampera {

// The command that starts this copy of the program under a virtual display.
// An installed copy (one whose installation holds its help) whose folder is
// on PATH is started by its name: "xvfb-run -a ampera". Any other copy by its
// path: relative to the working folder when it lies within it
// ("xvfb-run -a ./build/ampera"), else absolute; quoted for the shell where
// needed.
std::string virtualDisplayCommand(const std::string& executable, bool installed, const std::string& pathVariable,
                                  const std::string& workingDir);

// What the program says on standard error when it finds no display, in
// Russian like its --help, ending in a line break.
std::string noDisplayMessage(const std::string& command);

}  // namespace ampera
