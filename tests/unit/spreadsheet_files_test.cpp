// The network's spreadsheet files on disk: the format a name asks for, and
// the import's size limit (the scenario network_spreadsheets plays the rest).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "network/spreadsheet_files.h"
#include "storage/platform.h"
#include "tests/unit/test_system.h"

using namespace ampera;
using namespace ampera::network;

TEST(SpreadsheetFiles, ExportTargetByExtension) {
    const struct {
        const char* chosen;
        const char* path;
        SheetFormat format;
    } cases[] = {
        {"/d/сеть.csv", "/d/сеть.csv", SheetFormat::Csv},
        {"/d/сеть.CsV", "/d/сеть.CsV", SheetFormat::Csv},
        {"/d/сеть.xlsx", "/d/сеть.xlsx", SheetFormat::Workbook},
        {"/d/сеть.XLSX", "/d/сеть.XLSX", SheetFormat::Workbook},
        {"/d/сеть", "/d/сеть.xlsx", SheetFormat::Workbook},
        {"/d/сеть.txt", "/d/сеть.txt.xlsx", SheetFormat::Workbook},
        {"/d/csv", "/d/csv.xlsx", SheetFormat::Workbook},
    };
    for (const auto& c : cases) {
        const ExportTarget target = exportTarget(c.chosen);
        EXPECT_EQ(target.path, c.path) << c.chosen;
        EXPECT_EQ(target.format, c.format) << c.chosen;
    }
}

TEST(SpreadsheetFiles, ImportRefusesAFileOverItsLimit) {
    namespace fs = std::filesystem;
    const std::string folder = platform::fromPath(scratchFolder("ampera-sheets-"));
    const fs::path big = fs::path(folder) / "big.csv";
    std::ofstream(big, std::ios::binary) << "Узел\r\n" << std::string(kMaxImportBytes, 'a');
    const ImportFile file = importNetworkFile(big.string(), "160");
    EXPECT_EQ(file.status, ImportFileStatus::TooLarge);
    EXPECT_FALSE(file.import.network);
    fs::remove_all(folder);
}
