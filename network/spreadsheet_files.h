#pragma once

#include <string>

#include "network/network_import.h"
#include "network/results.h"
#include "storage/storage_error.h"

namespace ampera::network {

// The network's spreadsheet files on disk: the export written in the format
// its name asks for, the import's file read within its size limit.

enum class SheetFormat { Workbook, Csv };

// The file an export makes of the name chosen: ".csv" in any case a CSV
// file; anything else a workbook, ".xlsx" added when the name lacks it.
struct ExportTarget {
    std::string path;
    SheetFormat format = SheetFormat::Workbook;
};
ExportTarget exportTarget(std::string chosen);

// Writes the network whole and puts it in place (files::saveWhole,
// files::saveWorkbook): a failure fills error and leaves no new file.
bool exportNetwork(const ExportTarget& target, const Network& network, const Results& results, StorageError& error);

// An import reads no file over 16 MiB.
inline constexpr std::size_t kMaxImportBytes = 16u * 1024u * 1024u;

enum class ImportFileStatus { Read, TooLarge, Unreadable };

struct ImportFile {
    ImportFileStatus status = ImportFileStatus::Unreadable;
    NetworkImport import;  // when read
    StorageError error;    // when unreadable
};

// Reads the CSV file at path and the network in it, θк kept as theta.
ImportFile importNetworkFile(const std::string& path, const std::string& theta);

}  // namespace ampera::network
