#include "network/spreadsheet_files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "network/network_export.h"
#include "storage/file_access.h"
#include "storage/file_save.h"
#include "storage/workbook_file.h"

namespace ampera::network {

namespace {

bool endsWithIgnoringCase(const std::string& s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    return std::equal(
        suffix.begin(), suffix.end(), s.end() - static_cast<std::ptrdiff_t>(suffix.size()), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
}

}  // namespace

ExportTarget exportTarget(std::string chosen) {
    if (endsWithIgnoringCase(chosen, ".csv")) return {std::move(chosen), SheetFormat::Csv};
    if (!endsWithIgnoringCase(chosen, ".xlsx")) chosen += ".xlsx";
    return {std::move(chosen), SheetFormat::Workbook};
}

bool exportNetwork(const ExportTarget& target, const Network& network, const Results& results, StorageError& error) {
    if (target.format == SheetFormat::Csv) return files::saveWhole(target.path, networkCsv(network, results), error);
    return files::saveWorkbook(target.path, networkWorkbook(network, results), error);
}

ImportFile importNetworkFile(const std::string& path, const std::string& theta) {
    ImportFile file;
    files::ReadResult read = files::readWhole(path, kMaxImportBytes);
    if (read.status == files::ReadStatus::Missing) {
        file.error = storageErrorFromErrno(ENOENT);
        return file;
    }
    if (read.status == files::ReadStatus::Failed) {
        if (read.error.code == EFBIG) file.status = ImportFileStatus::TooLarge;
        file.error = read.error;
        return file;
    }
    file.status = ImportFileStatus::Read;
    file.import = importNetworkCsv(read.bytes, theta);
    return file;
}

}  // namespace ampera::network
