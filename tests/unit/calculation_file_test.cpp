// The calculation file: every text of every part back as it was written, the
// texts a designer types, each kind of bad file, and a save that fails
// leaving the old file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "model/calculation_file.h"
#include "model/checks_run.h"
#include "storage/file_access.h"
#include "storage/file_lock.h"
#include "storage/platform.h"
#include "tests/calculation_cases.h"
#include "tests/unit/test_system.h"

using namespace ampera;
using namespace ampera::model;
namespace fs = std::filesystem;

namespace {

class CalculationFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = scratchFolder("ampera-file-");
        path_ = at("фидер 1.ampera");
    }
    void TearDown() override {
        files::faultHook = nullptr;
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void write(const std::string& bytes) const {
        std::ofstream out(platform::toPath(path_), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read() const {
        std::ifstream in(platform::toPath(path_), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(platform::fromPath(e.path().filename()));
        return names;
    }
    // The file name in the scratch folder, in UTF-8.
    std::string at(const std::string& name) const { return platform::fromPath(dir_ / platform::toPath(name)); }

    fs::path dir_;
    std::string path_;
};

// A file with one window's entry.
std::string fileWith(const std::string& partEntry, const std::string& version = "1") {
    return R"({"format": "ampera-calculation", "version": )" + version + ", " + partEntry + "}";
}

}  // namespace

TEST_F(CalculationFile, EveryTextOfEveryPartComesBackAsWritten) {
    // The texts a designer types or the program writes: a decimal comma, blanks
    // at the edges, Cyrillic, quotes, a backslash, a text that is no number; a list's item.
    const std::string kinds[] = {"0,0178", " 400", "4,5 ", "ТМ 400/10 \"Д/Y\"", "a\\b", "", "1e5", "«кабель»"};
    Calculation written;
    std::size_t n = 0;
    for (Part part : kParts)
        for (const Field& f : written.fields(part)) {
            const auto lists = listFields(part);
            const auto list = std::ranges::find_if(lists,
                                                   [&f](const ListField& l) { return l.name == std::string(f.name); });
            written.set(*f.text, list != lists.end() ? std::to_string(1 + n % list->count)
                                                     : kinds[n % std::size(kinds)] + std::to_string(n));
            ++n;
        }
    const std::string bytes = calculationFileText(written, kParts);
    EXPECT_TRUE(bytes.starts_with("{\n  \"format\": \"ampera-calculation\",\n  \"version\": 1,\n  \"Form1\": {\n"));
    EXPECT_NE(bytes.find("\"txtSt\": \"0,01780\""), std::string::npos) << "texts are strings, never numbers";
    EXPECT_NE(bytes.find("ТМ 400/10 \\\"Д/Y\\\""), std::string::npos) << "Cyrillic as UTF-8, quotes escaped";

    const FileRead read = parseCalculationFile(bytes);
    ASSERT_TRUE(read.ok) << problemText(read.error);
    Calculation restored;
    for (Part part : kParts) {
        ASSERT_TRUE(read.texts.holds(part)) << partName(part);
        restorePart(restored, part, read.texts.parts.at(part));
        const std::vector<Field> want = written.fields(part), got = restored.fields(part);
        for (std::size_t k = 0; k < want.size(); ++k)
            EXPECT_EQ(*got[k].text, *want[k].text) << partName(part) << '.' << want[k].name;
    }
    // Written again, the same bytes.
    EXPECT_EQ(calculationFileText(restored, kParts), bytes);
}

// The verdicts' words come back as the verdicts they are, failing ones failing; words that no verdict
// has (a hand edit) are kept and judge nothing.
TEST_F(CalculationFile, VerdictsOpenAsTheVerdictsTheyWord) {
    Calculation c;
    cases::threeSections(c);
    for (auto [field, value] : {std::pair{&c.checks.t, "0,1"},
                                {&c.checks.theta, "160"},
                                {&c.checks.in, "40"},
                                {&c.checks.icu, "1"},
                                {&c.checks.s, "95"}})
        c.set(*field, value);
    runChecks(c);
    c.set(c.checks.thermal, "термическая стойкость кабеля НЕ обеспечена");
    const FileRead read = parseCalculationFile(calculationFileText(c, kParts));
    ASSERT_TRUE(read.ok);
    Calculation restored;
    restorePart(restored, Part::Checks, read.texts.parts.at(Part::Checks));
    ASSERT_EQ(c.checks.verdict(Check::Time).outcome, Outcome::Pass);
    for (Check check : {Check::Sensitivity, Check::Breaking, Check::Making, Check::Time})
        EXPECT_EQ(restored.checks.verdict(check), c.checks.verdict(check));
    EXPECT_TRUE(restored.checks.verdict(Check::Breaking).fails());
    EXPECT_EQ(restored.checks.verdict(Check::Thermal), Verdict{Check::Thermal});
    EXPECT_EQ(restored.checks.thermal, c.checks.thermal);
}

TEST_F(CalculationFile, MissingTextsTakeTheirStartAndUnknownKeysAreIgnored) {
    const FileRead read = parseCalculationFile(
        R"({"version": 1, "format": "ampera-calculation", "comment": 5, "Form9": [1],
            "Form1": {"txtSt": "630", "txtFuture": "x"}, "Form8": {}})");
    ASSERT_TRUE(read.ok) << problemText(read.error);
    EXPECT_TRUE(read.texts.holds(Part::Main));
    EXPECT_TRUE(read.texts.holds(Part::Checks));
    EXPECT_FALSE(read.texts.holds(Part::Summary));
    EXPECT_FALSE(read.texts.holds(Part::Reactor));

    Calculation c;
    c.set(c.main.u, "10");
    c.set(c.main.lines[1].r1, "5,5");
    c.set(c.checks.device, "3");
    int changes = 0;
    c.observe([&changes](const std::string*) { ++changes; });
    restorePart(c, Part::Main, read.texts.parts.at(Part::Main));
    restorePart(c, Part::Checks, read.texts.parts.at(Part::Checks));
    EXPECT_EQ(c.main.st, "630");
    EXPECT_EQ(c.main.u, "");
    EXPECT_EQ(c.main.lines[1].r1, "0");
    EXPECT_EQ(c.checks.device, "1");
    EXPECT_EQ(changes, 4);
    EXPECT_FALSE(atStart(c, Part::Main));
    EXPECT_TRUE(atStart(c, Part::Checks));
}

TEST_F(CalculationFile, BadFilesAreRefusedWithTheirReason) {
    const struct {
        std::string bytes;
        FileProblem problem;
        const char* detail;
    } cases[] = {
        {"", FileProblem::NotJson, "1"},
        {"[Tr]\r\nSt=400\r\n", FileProblem::NotJson, "2"},
        {R"({"format": "ampera-calculation", "version": 1, "Form1": {"txtSt": "4)", FileProblem::NotJson, "69"},
        {"{\"format\": \"ampera-calculation\", \"version\": 1, \"Form1\": {\"txtSt\": \"\xC0\"}}", FileProblem::NotJson,
         "68"},
        {"[1, 2]", FileProblem::NotCalculation, ""},
        {R"({"version": 1, "Form1": {}})", FileProblem::NotCalculation, ""},
        {R"({"format": "ampera", "version": 1})", FileProblem::NotCalculation, ""},
        {R"({"format": "ampera-calculation"})", FileProblem::BadVersion, ""},
        {fileWith(R"("Form1": {})", "\"1\""), FileProblem::BadVersion, "\"1\""},
        {fileWith(R"("Form1": {})", "0"), FileProblem::BadVersion, "0"},
        {fileWith(R"("Form1": {})", "1.5"), FileProblem::BadVersion, "1.5"},
        {fileWith(R"("Form1": {})", "3"), FileProblem::NewerVersion, "3"},
        {fileWith(R"("Form1": {})", "18446744073709551615"), FileProblem::NewerVersion, "18446744073709551615"},
        {fileWith(R"("Form1": {"txtSt": 400})"), FileProblem::NotText, "Form1.txtSt"},
        {fileWith(R"("Form5": {"Label53": null})"), FileProblem::NotText, "Form5.Label53"},
        {fileWith(R"("Form8": {"cmbDevice": ["1"]})"), FileProblem::NotText, "Form8.cmbDevice"},
        {fileWith(R"("Form3": "Text15")"), FileProblem::BadPart, "Form3"},
        {fileWith(R"("Form1": {"txtSt": ")" + std::string(kMaxFileBytes, '4') + "\"}"), FileProblem::TooLarge, ""},
        // Numbers beyond a double, even under a key the program does not know, and a NUL byte anywhere.
        {fileWith(R"("Form1": {"txtSt": "400"}, "note": 1e400)"), FileProblem::NumberTooLarge, "1e400"},
        {fileWith(R"("note": [-)" + std::string(400, '9') + "]"), FileProblem::NumberTooLarge,
         "-99999999999999999999999…"},
        {fileWith(R"("Form1": {})") + std::string(1, '\0') + "x", FileProblem::NotJson, "60"},
        {fileWith(R"("Form1": {"txtSt": "4)") + std::string(1, '\0') + "\"}}", FileProblem::NotJson, "70"},
        // Any version number above the program's is a later version's, however large.
        {fileWith(R"("Form1": {})", "18446744073709551616"), FileProblem::NewerVersion, "1.8446744073709552e+19"},
        {fileWith(R"("Form1": {})", "3.0"), FileProblem::NewerVersion, "3.0"},
        {fileWith(R"("Form1": {})", "2.5"), FileProblem::BadVersion, "2.5"},
        {fileWith(R"("Form1": {})", "-1e300"), FileProblem::BadVersion, "-1e+300"},
    };
    for (const auto& c : cases) {
        const FileRead read = parseCalculationFile(c.bytes);
        EXPECT_FALSE(read.ok) << c.bytes.substr(0, 80);
        EXPECT_EQ(read.error.problem, c.problem) << c.bytes.substr(0, 80);
        EXPECT_EQ(read.error.detail, c.detail) << c.bytes.substr(0, 80);
        EXPECT_FALSE(problemText(read.error).empty());
    }

    // The same from the disk, and what only a disk can be: too large before it is read, a folder, a pipe, nothing.
    write(std::string(kMaxFileBytes + 1, ' '));
    EXPECT_EQ(readCalculationFile(path_).error.problem, FileProblem::TooLarge);
    write(fileWith(R"("Form1": {"txtSt": 400})"));
    EXPECT_EQ(readCalculationFile(path_).error.problem, FileProblem::NotText);
    EXPECT_EQ(readCalculationFile(dir_.string()).error.problem, FileProblem::Folder);
#ifndef _WIN32  // named pipes in the file system and devices are POSIX's
    const std::string pipe = (dir_ / "pipe.ampera").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const FileRead fromPipe = readCalculationFile(pipe);
    EXPECT_EQ(fromPipe.error.problem, FileProblem::NotRegular);
    EXPECT_EQ(problemText(fromPipe.error), "это не обычный файл");
    EXPECT_EQ(readCalculationFile("/dev/null").error.problem, FileProblem::NotRegular);
#endif
    EXPECT_EQ(readCalculationFile(at("нет.ampera")).error.problem, FileProblem::Missing);
    EXPECT_EQ(readCalculationFile(path_ + "/x.ampera").error.problem, FileProblem::Missing);
}

TEST_F(CalculationFile, ASaveThatFailsLeavesTheOldFileByteForByte) {
    Calculation c;
    c.set(c.main.st, "400");
    StorageError error;
    ASSERT_TRUE(saveCalculationFile(path_, c, kParts, error)) << error.description;
#ifndef _WIN32  // permission bits are POSIX's
    ASSERT_TRUE(::chmod(path_.c_str(), 0640) == 0);
#endif
    const std::string old = read();
    EXPECT_TRUE(readCalculationFile(path_).ok);
    c.set(c.main.st, "630");

    // A write, a flush or the rename failing (a full disk): the old file whole, no temporary file left.
    for (const char* step : {"write", "sync", "rename"}) {
        files::faultHook = [step](std::string_view s) { return s == step ? ENOSPC : 0; };
        EXPECT_FALSE(saveCalculationFile(path_, c, kParts, error)) << step;
        EXPECT_EQ(error.code, ENOSPC);
        EXPECT_EQ(read(), old) << step;
        EXPECT_EQ(entries(), std::vector<std::string>{"фидер 1.ampera"}) << step;
    }
    files::faultHook = nullptr;

    // Places no one can write, root included: a folder that is gone, a "folder" that is a file, a folder as the file.
    EXPECT_FALSE(saveCalculationFile(at("нет/a.ampera"), c, kParts, error));
    EXPECT_EQ(error.code, ENOENT);
    EXPECT_FALSE(saveCalculationFile(path_ + "/a.ampera", c, kParts, error));
#ifdef _WIN32
    EXPECT_EQ(error.code, ENOENT);  // Windows finds no such path
#else
    EXPECT_EQ(error.code, ENOTDIR);
#endif
    fs::create_directory(platform::toPath(at("папка.ampera")));
    EXPECT_FALSE(saveCalculationFile(at("папка.ampera"), c, kParts, error));
    EXPECT_EQ(error.code, EISDIR);
    EXPECT_EQ(read(), old);

    // A save that works replaces the file and keeps its permissions.
    ASSERT_TRUE(saveCalculationFile(path_, c, std::vector<Part>{Part::Main}, error));
#ifndef _WIN32
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
    const FileRead read = readCalculationFile(path_);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.texts.parts.at(Part::Main).at("txtSt"), "630");
    EXPECT_FALSE(read.texts.holds(Part::Summary));
}

TEST_F(CalculationFile, WhatASaveWritesItOpens) {
    Calculation c;
    StorageError error;
    ASSERT_TRUE(saveCalculationFile(path_, c, kParts, error));
    const std::string old = read();

    // Texts of control characters, six bytes each in the file: over the limit, the save fails and keeps the old file.
    const std::string controls(kMaxFileBytes / 6 / 4, '\x01');
    for (std::string* text : {&c.main.st, &c.main.u, &c.main.uf, &c.main.pk}) c.set(*text, controls);
    EXPECT_FALSE(saveCalculationFile(path_, c, kParts, error));
    EXPECT_EQ(error.code, EFBIG);
    EXPECT_EQ(error.description, "расчет занял бы 16,1 МиБ, а файл расчета не может быть больше 16 МиБ");
    EXPECT_EQ(read(), old);
    // Just under it, saved and opened.
    c.set(c.main.pk, "");
    ASSERT_TRUE(saveCalculationFile(path_, c, kParts, error)) << error.description;
    EXPECT_GT(read().size(), kMaxFileBytes / 2);
    EXPECT_TRUE(readCalculationFile(path_).ok);

    // A name as long as a folder entry may be: its lock and temporary files are named by a hash.
    const std::string longName = (dir_ / (std::string(248, 'a') + ".ampera")).string();
    ASSERT_TRUE(saveCalculationFile(longName, c, std::vector<Part>{Part::Main}, error)) << error.description;
    EXPECT_TRUE(readCalculationFile(longName).ok);
    EXPECT_EQ(files::lockPathFor(longName).size(), (dir_ / ".").string().size() + 16 + 5);
    EXPECT_EQ(entries().size(), 2u);

    AMPERA_SKIP_ON_WINDOWS("links need a privilege on Windows");
    // Through links: a chain to a file not yet made is followed and the links stay; a link whose folder is gone
    // fails the save, and the link stays as it was.
    fs::create_directory(dir_ / "share");
    fs::create_symlink("share/new.ampera", dir_ / "to-share");
    fs::create_symlink(dir_ / "to-share", dir_ / "link.ampera");
    ASSERT_TRUE(saveCalculationFile((dir_ / "link.ampera").string(), c, std::vector<Part>{Part::Main}, error));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.ampera"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "to-share"));
    EXPECT_TRUE(readCalculationFile((dir_ / "share" / "new.ampera").string()).ok);
    fs::create_symlink(dir_ / "unmounted" / "x.ampera", dir_ / "gone.ampera");
    EXPECT_FALSE(saveCalculationFile((dir_ / "gone.ampera").string(), c, kParts, error));
    EXPECT_EQ(error.code, ENOENT);
    EXPECT_TRUE(fs::is_symlink(dir_ / "gone.ampera"));
    fs::create_symlink("loop.ampera", dir_ / "loop.ampera");
    EXPECT_FALSE(saveCalculationFile((dir_ / "loop.ampera").string(), c, kParts, error));
    EXPECT_EQ(error.code, ELOOP);
}

// The network rides in the file: version 2 only when it has a node besides the
// root, θк alone keeps version 1, and a network that is no tree refuses the
// file with its reason.
TEST_F(CalculationFile, NetworkEntry) {
    Calculation c;
    network::Network net;
    EXPECT_EQ(calculationFileText(c, kParts, &net), calculationFileText(c, kParts));
    net.setTheta("150");
    const std::string thetaOnly = calculationFileText(c, kParts, &net);
    EXPECT_NE(thetaOnly.find("\"version\": 1,"), std::string::npos);
    net.addNode(network::kRootId, 0, network::startInputs("ЩР-1"));
    StorageError error;
    ASSERT_TRUE(saveCalculationFile(path_, c, kParts, error, &net)) << error.description;
    const std::string withNodes = read();
    EXPECT_NE(withNodes.find("\"version\": 2,"), std::string::npos);
    for (const std::string& bytes : {thetaOnly, withNodes}) {
        const FileRead opened = parseCalculationFile(bytes);
        ASSERT_TRUE(opened.ok && opened.texts.network);
        EXPECT_EQ(calculationFileText(c, kParts, &*opened.texts.network), bytes);
    }

    // A file written before the circuit was kept opens with "авто".
    std::string older = withNodes;
    const std::string circuit = ",\"circuit\":\"авто\"";
    ASSERT_NE(older.find(circuit), std::string::npos);
    older.erase(older.find(circuit), circuit.size());
    const FileRead opened = parseCalculationFile(older);
    ASSERT_TRUE(opened.ok && opened.texts.network);
    EXPECT_EQ(opened.texts.network->findByName("ЩР-1")->input(network::Column::Circuit), "авто");

    std::string bad = withNodes;
    bad.replace(bad.find("\"parent\":0"), 10, "\"parent\":9");
    const FileRead refused = parseCalculationFile(bad);
    EXPECT_EQ(refused.error.problem, FileProblem::BadNetwork);
    EXPECT_EQ(problemText(refused.error), "узел \"ЩР-1\" питается от несуществующего узла 9");
}
