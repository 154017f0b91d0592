#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "network/editor.h"
#include "network/spreadsheet_files.h"

using namespace ampera;
using namespace ampera::network;
namespace fs = std::filesystem;

namespace {

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A scratch folder of its own, removed after the test.
class SpreadsheetFiles : public ::testing::Test {
public:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ampera-sheets-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string at(const std::string& name) const { return (dir_ / name).string(); }

protected:
    fs::path dir_;
};

}  // namespace

TEST(ExportTarget, CsvByItsExtensionInAnyCase) {
    EXPECT_EQ(exportTarget("/d/сеть.csv").format, SheetFormat::Csv);
    EXPECT_EQ(exportTarget("/d/сеть.CsV").path, "/d/сеть.CsV");
    EXPECT_EQ(exportTarget("/d/сеть.CsV").format, SheetFormat::Csv);
}

TEST(ExportTarget, AnythingElseIsAWorkbook) {
    EXPECT_EQ(exportTarget("/d/сеть.xlsx").path, "/d/сеть.xlsx");
    EXPECT_EQ(exportTarget("/d/сеть.XLSX").path, "/d/сеть.XLSX");
    EXPECT_EQ(exportTarget("/d/сеть").path, "/d/сеть.xlsx");
    EXPECT_EQ(exportTarget("/d/сеть.txt").path, "/d/сеть.txt.xlsx");
    EXPECT_EQ(exportTarget("/d/csv").path, "/d/csv.xlsx");
    EXPECT_EQ(exportTarget("/d/сеть.txt").format, SheetFormat::Workbook);
}

TEST_F(SpreadsheetFiles, ExportWritesTheFormatItsNameAsks) {
    Editor editor;
    editor.add(kRootId);
    StorageError error;
    ASSERT_TRUE(exportNetwork(exportTarget(at("сеть.CSV")), editor.network(), editor.results(), error));
    EXPECT_EQ(read(dir_ / "сеть.CSV").substr(0, 3), "\xEF\xBB\xBF");
    ASSERT_TRUE(exportNetwork(exportTarget(at("сеть")), editor.network(), editor.results(), error));
    EXPECT_EQ(read(dir_ / "сеть.xlsx").substr(0, 2), "PK");  // a ZIP archive
}

TEST_F(SpreadsheetFiles, ExportIntoAMissingFolderFailsAndLeavesNoFile) {
    Editor editor;
    StorageError error;
    EXPECT_FALSE(exportNetwork(exportTarget(at("нет/сеть.xlsx")), editor.network(), editor.results(), error));
    EXPECT_EQ(error.code, ENOENT);
    EXPECT_FALSE(error.description.empty());
    EXPECT_FALSE(exportNetwork(exportTarget(at("нет/сеть.csv")), editor.network(), editor.results(), error));
    EXPECT_FALSE(fs::exists(dir_ / "нет"));
}

TEST_F(SpreadsheetFiles, ImportRefusesAFileOverItsLimit) {
    std::ofstream(dir_ / "big.csv", std::ios::binary) << std::string(kMaxImportBytes + 1, 'a');
    const ImportFile file = importNetworkFile(at("big.csv"), "160");
    EXPECT_EQ(file.status, ImportFileStatus::TooLarge);
    EXPECT_FALSE(file.import.network);
}

TEST_F(SpreadsheetFiles, ImportOfAMissingFileOrAFolderSaysWhy) {
    ImportFile file = importNetworkFile(at("нет.csv"), "160");
    EXPECT_EQ(file.status, ImportFileStatus::Unreadable);
    EXPECT_EQ(file.error.code, ENOENT);
    EXPECT_FALSE(file.error.description.empty());
    fs::create_directory(dir_ / "папка.csv");
    file = importNetworkFile(at("папка.csv"), "160");
    EXPECT_EQ(file.status, ImportFileStatus::Unreadable);
    EXPECT_EQ(file.error.code, EISDIR);
}

TEST_F(SpreadsheetFiles, ImportReadsBackWhatTheExportWrote) {
    Editor editor;
    const NodeId a = editor.add(kRootId);
    editor.setCell(a, Column::Name, "РУ \"А\"; 1");
    editor.setCell(a, Column::Length, "20.5");
    editor.add(a);
    StorageError error;
    ASSERT_TRUE(exportNetwork(exportTarget(at("сеть.csv")), editor.network(), editor.results(), error));
    const ImportFile file = importNetworkFile(at("сеть.csv"), "150");
    ASSERT_EQ(file.status, ImportFileStatus::Read);
    ASSERT_TRUE(file.import.network) << importProblemsText(file.import.problems);
    const Network& back = *file.import.network;
    EXPECT_EQ(back.size(), 3u);
    EXPECT_EQ(back.theta(), "150");
    const Node* node = back.findByName("РУ \"А\"; 1");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->input(Column::Length), "20.5");
    EXPECT_FALSE(file.import.cp1251);
}
