#pragma once

#include <string>

#include "storage/storage_error.h"

namespace ampera {

// Where the program keeps its three files. A copy the user runs from a folder
// of their own (a portable copy, the build folder) keeps ampera.ini,
// ampera.txt and ampera.hlp beside its executable. An installed program keeps
// the settings in the user's configuration folder, appends the report in the
// user's documents folder and reads the help from the installation.
struct FileLocations {
    bool portable = true;
    std::string settings;  // ampera.ini
    std::string recent;    // the recent files (recent_list.h), beside ampera.ini
    std::string report;    // ampera.txt
    std::string help;      // ampera.hlp
    // Folders made, when missing, just before the settings or the report is
    // written; empty when nothing is to be made (a portable copy).
    std::string settingsFolder;
    std::string reportFolder;
};

// What the decision rests on, found once at start.
struct LocationFacts {
    std::string programDir;           // the folder of the executable
    bool programDirWritable = false;  // the user may create files in it
    // The installation's data folder (share/ampera) when the executable runs
    // from an installation that holds ampera.hlp there; empty otherwise.
    std::string installedDataDir;
    std::string configHome;    // platform::userConfigHome()
    std::string documentsDir;  // platform::userDocumentsDir()
};

// Every file beside the executable in programDir.
FileLocations portableLocations(const std::string& programDir);

// A writable program folder that is no installation's bin folder is a
// portable copy; anything else is an installed program. (An installation the
// user can write, such as one under ~/.local or /usr run by root, still keeps
// its files in the user's folders.)
FileLocations decideLocations(const LocationFacts& facts);

// Gathers the facts for an executable in programDir; dataDirFromProgramDir
// is the installation's share/ampera relative to its bin folder
// ("../share/ampera").
LocationFacts findLocationFacts(const std::string& programDir, const std::string& dataDirFromProgramDir);

// Makes the folder and any missing parents, private to the user
// (platform::makeFolders). An empty path asks for nothing. False with *error
// filled when a part cannot be made or is no folder.
bool makeFolder(const std::string& path, StorageError& error);

}  // namespace ampera
