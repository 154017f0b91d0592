#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/calculation.h"
#include "network/network.h"
#include "storage/storage_error.h"

namespace ampera::model {

// A calculation file is the calculation written out: JSON in UTF-8, opened by
// "format" and "version", then the texts of each part it holds under its
// window's name, each text under its control's name and always as a string:
//
//   {"format": "ampera-calculation", "version": 1,
//    "Form1": {"txtSt": "400", …}, "Form5": {…}, "Form3": {…}, "Form4": {…}, "Form8": {…},
//    "Network": {"theta": "160", "nodes": […]}}
// A file whose network has a node besides the root is version 2, so that a
// program that knows no network refuses it rather than dropping the network;
// any other file stays version 1.
inline constexpr std::string_view kFileFormat = "ampera-calculation";
inline constexpr int kFileVersion = 2;
inline constexpr int kFileVersionWithoutNetwork = 1;
inline constexpr std::string_view kFileSuffix = ".ampera";
// A larger file is no calculation file: it is not read, and a save that would
// write one fails, so that whatever the program saves, it opens.
inline constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;
// The limit in words: "16 МиБ".
std::string fileLimitText();

// The texts of one part by control name, as a file holds them.
using PartTexts = std::map<std::string, std::string>;

// What a calculation file holds: the parts it has, each with its texts, and the network, if it has one.
struct FileTexts {
    std::map<Part, PartTexts> parts;
    std::optional<network::Network> network;
    bool holds(Part part) const { return parts.contains(part); }
};

// Why a file cannot be opened.
enum class FileProblem {
    Missing,         // no such file
    Unreadable,      // the system refuses to read it
    Folder,          // a folder given as the file
    NotRegular,      // a named pipe, a device or a socket given as the file
    TooLarge,        // over kMaxFileBytes
    NotJson,         // not JSON text, or a NUL byte in it
    NumberTooLarge,  // JSON with a number beyond what a double holds
    NotCalculation,  // JSON, but its "format" is not kFileFormat
    BadVersion,      // "version" is no whole number from 1
    NewerVersion,    // a version number above the program's
    BadPart,         // a window's entry is not an object
    NotText,         // a text that is not a string
    BadNetwork,      // a network that is no tree of named nodes (the detail says why)
};

struct FileError {
    FileProblem problem = FileProblem::NotJson;
    std::string detail;  // the system's reason, the place of a JSON error, the number, the key, the version
};

// A read or parse of a file: the texts, or what is wrong.
struct FileRead {
    bool ok = false;
    FileTexts texts;
    FileError error;
};

// The file's bytes for the given parts of the calculation, in the order given,
// and the network when one is given and differs from a new one.
std::string calculationFileText(Calculation& calculation, std::span<const Part> parts,
                                const network::Network* network = nullptr);

// The texts of a file's bytes. Keys the program does not know are ignored.
// Whatever the bytes, this returns: it never throws.
FileRead parseCalculationFile(std::string_view bytes);

// Reads and parses the file at path; it never throws.
FileRead readCalculationFile(const std::string& path);

// Writes the file at path by storage's atomic replace: on a failure the old
// file keeps every byte, and error says why. A file over kMaxFileBytes is not
// written (EFBIG).
bool saveCalculationFile(const std::string& path, Calculation& calculation, std::span<const Part> parts,
                         StorageError& error, const network::Network* network = nullptr);

// Every text of the part as the file holds it, in the window's order; a text
// the file lacks takes its start text, a list's item outside its items the
// list's fallback item. The observers hear of each change.
void restorePart(Calculation& calculation, Part part, const PartTexts& texts);

// The calculation as a file holds it: the main window's texts first, so that
// what their change reactions write gives way to the saved texts, then the
// summary's, then those of each other part the file holds; then the labels
// that follow a list are drawn from it. beforePart runs before each part is
// put back (the windows make the window that shows it). Nothing is calculated.
void restoreCalculation(Calculation& calculation, const FileTexts& file,
                        const std::function<void(Part)>& beforePart = {});

// Whether every text of the part equals its start text.
bool atStart(Calculation& calculation, Part part);

// What is wrong, in words for a message box: "это не файл JSON (ошибка в байте 12)".
std::string problemText(const FileError& error);

}  // namespace ampera::model
