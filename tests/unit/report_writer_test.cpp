#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "storage/cp1251.h"
#include "storage/file_access.h"
#include "storage/report_writer.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

// A report line: text, CR, CR LF.
std::string L(const std::string& text) { return text + "\r\r\n"; }
// The last line of the line-2 and line-3 blocks.
std::string E(const std::string& text) { return text + "\r\n\r\n"; }

std::string lines(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) out += p;
    return out;
}

const std::string kDash = "------------------";
const std::string kRule = "==================";

// After a calculation, with nothing else entered.
ReportData minimal() {
    ReportData d;
    d.st = "400";
    d.u = "10";
    d.uf = "400";
    d.pk = "5,5";
    d.uk = "4,5";
    d.i = "0";
    d.deltaY = false;
    d.threePhase = true;
    d.computedCurrentCaption = "ток к.з, кA";
    d.computedCurrent = "12,2309";
    d.shownCurrent = "12,2309";
    return d;
}

std::string transformerLines(const ReportData& d, const char* scheme) {
    return lines({L(kRule), L("Данные трансформатора"), L("Sт,кВА = " + d.st), L("Uвн,кВ = " + d.u),
                  L("Uнн,В = " + d.uf), L("Рк,кВт = " + d.pk), L("Uк,% = " + d.uk), L("Iкз,кА(ВН) = " + d.i),
                  L(std::string("Схема соединений обмоток - ") + scheme)});
}

class ReportFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = scratchFolder("ampera-report-");
        path_ = (dir_ / "ampera.txt").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir_;
    std::string path_;
};

}  // namespace

TEST(ReportText, MinimalReportByteForByte) {
    const ReportData d = minimal();
    const std::string expected = lines({
        transformerLines(d, "Y/Y"),
        L(kDash),
        L("РАСЧЕТ 3-x ФАЗНОГО К.З"),
        L("ток к.з, кA = 12,2309"),
        L("суммарный ток кз = 12,2309"),
        L(kRule),
        "\r\n\r\n",
    });
    EXPECT_EQ(buildReport(d), expected);

    // Spot-check the raw line ends of the start and the end.
    const std::string text = buildReport(d);
    EXPECT_EQ(text.substr(0, 21), "==================\r\r\n");
    EXPECT_EQ(text.substr(text.size() - 25), "==================\r\r\n\r\n\r\n");
}

TEST(ReportText, SchemeModeAndOptionalResultLines) {
    ReportData d = minimal();
    d.deltaY = true;
    d.threePhase = false;
    d.computedCurrent.clear();
    d.shownCurrent.clear();
    EXPECT_EQ(buildReport(d),
              lines({transformerLines(d, "Д/Y"), L(kDash), L("РАСЧЕТ 1-но ФАЗНОГО К.З"), L(kRule), "\r\n\r\n"}));
}

TEST(ReportText, FullReportWithEveryBlock) {
    ReportData d = minimal();
    d.line1 = {"L2", "L3", "L4", "L5", "L6", "L7"};
    d.line2 = {"M22", "M33", "M44", "M55", "M66", "M77"};
    d.line3 = {"N222", "N333", "N444", "N555", "N666", "N777"};
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t k = 0; k < 5; ++k) {
            const std::string tag = std::to_string(c + 1) + std::to_string(k + 1);
            d.elements[c][k] = {"H" + tag, "V" + tag};
        }
    }
    d.reactor = true;
    d.reactorLines = {"R48", "R47", "R46", "R45", "R43", "R54", "R56"};
    d.arc = true;
    d.kcCaption = "коэффициент Кс";
    d.kcValue = "0,702";
    d.zkCaption = "сопротивление цепи Zк";
    d.zkValue = "18,8817";
    d.motor = true;
    d.motorLines = {{{"ном.ток АД, А", "100"},
                     {"кратность пуска", "7"},
                     {"R0, мОм", "0"},
                     {"X0, мОм", "0"},
                     {"Xэл, мОм", "404,061017820884"},
                     {"фазная ЕДС, В", "209,208792833804"}}};
    d.motorConfirmed = true;
    d.motorCaption = "ток К.З от АД, кА";
    d.motorCurrent = "0,517765346338221";
    d.arcConfirmed = true;
    d.arcCaption = "ток К.З с учетом дуги, кА";
    d.arcCurrent = "8,5861";
    d.shownCurrent = "8,5861";

    auto column = [](int c) {
        std::string out;
        for (int k = 1; k <= 5; ++k) {
            const std::string tag = std::to_string(c) + std::to_string(k);
            out += L("H" + tag + " V" + tag);
            if (k < 5) out += L(kDash);
        }
        return out;
    };
    const std::string expected = lines({
        transformerLines(d, "Y/Y"),
        L(kDash),
        L("ЛИНИЯ №1"),
        L("L2"),
        L("L3"),
        L("L4"),
        L("L5"),
        L("L6"),
        L("L7"),
        L(kDash),
        column(1),
        L(kDash),
        L("ЛИНИЯ №2"),
        L("M22"),
        L("M33"),
        L("M44"),
        L("M55"),
        L("M66"),
        E("M77"),
        L(kDash),
        column(2),
        L(kDash),
        L("ЛИНИЯ №3"),
        L("N222"),
        L("N333"),
        L("N444"),
        L("N555"),
        L("N666"),
        E("N777"),
        L(kDash),
        column(3),
        L(kDash),
        L("СОПРОТИВЛЕНИЕ РЕАКТОРА"),
        L("R48"),
        L("R47"),
        L("R46"),
        L("R45"),
        L("R43"),
        L("R54"),
        L("R56"),
        L(kDash),
        L("УЧЕТ ДУГИ"),
        L("коэффициент Кс = 0,702"),
        L("сопротивление цепи Zк = 18,8817"),
        L(kDash),
        L("УЧЕТ АД"),
        L("ном.ток АД, А = 100"),
        L("кратность пуска = 7"),
        L("R0, мОм = 0"),
        L("X0, мОм = 0"),
        L("Xэл, мОм = 404,061017820884"),
        L("фазная ЕДС, В = 209,208792833804"),
        L(kDash),
        L("РАСЧЕТ 3-x ФАЗНОГО К.З"),
        L("ток к.з, кA = 12,2309"),
        L("ток К.З от АД, кА = 0,517765346338221"),
        L("ток К.З с учетом дуги, кА = 8,5861"),
        L("суммарный ток кз = 8,5861"),
        L(kRule),
        "\r\n\r\n",
    });
    EXPECT_EQ(buildReport(d), expected);
}

TEST(ReportText, BlocksFollowTheirTriggerTexts) {
    ReportData d = minimal();
    const std::string base = buildReport(d);

    // Line 1 is keyed on its second text; lines 2 and 3 on their first.
    d.line1 = {"L2", "", "L4", "L5", "L6", "L7"};
    d.line2 = {"", "M33", "M44", "M55", "M66", "M77"};
    d.line3 = {"", "N333", "N444", "N555", "N666", "N777"};
    EXPECT_EQ(buildReport(d), base);

    d.line1 = {"", "L3", "", "", "", ""};
    const std::string withLine1 = buildReport(d);
    EXPECT_NE(withLine1.find(lines({L(kDash), L("ЛИНИЯ №1"), L(""), L("L3"), L(""), L(""), L(""), L(""), L(kDash)})),
              std::string::npos);

    // Flags that are off print nothing, whatever texts are filled in.
    d = minimal();
    d.reactorLines = {"R48", "R47", "R46", "R45", "R43", "R54", "R56"};
    d.kcCaption = "коэффициент Кс";
    d.kcValue = "0,702";
    d.motorLines[0] = {"ном.ток АД, А", "100"};
    d.motorCaption = "ток К.З от АД, кА";
    d.motorCurrent = "0,5";
    d.arcCaption = "ток К.З с учетом дуги, кА";
    d.arcCurrent = "8";
    EXPECT_EQ(buildReport(d), base);
}

TEST(ReportText, EmptyElementValueIsSkippedWithItsDash) {
    ReportData d = minimal();
    d.elements[1][0] = {"A", ""};
    d.elements[1][1] = {"B", "1"};
    d.elements[1][2] = {"", "2"};  // an empty heading still prints
    d.elements[1][3] = {"D", ""};
    d.elements[1][4] = {"E", "5"};  // the fifth entry has no dash line
    d.elements[2][3] = {"F", "6"};
    const std::string expected = lines({
        transformerLines(d, "Y/Y"),
        L("B 1"),
        L(kDash),
        L(" 2"),
        L(kDash),
        L("E 5"),  // column 2
        L("F 6"),
        L(kDash),  // column 3
        L(kDash),
        L("РАСЧЕТ 3-x ФАЗНОГО К.З"),
        L("ток к.з, кA = 12,2309"),
        L("суммарный ток кз = 12,2309"),
        L(kRule),
        "\r\n\r\n",
    });
    EXPECT_EQ(buildReport(d), expected);
}

TEST_F(ReportFile, AppendWritesCp1251) {
    const ReportData d = minimal();
    std::optional<StorageError> error;
    ASSERT_TRUE(appendReport(path_, d, &error));
    EXPECT_FALSE(error.has_value());
    const std::string bytes = read();
    EXPECT_EQ(bytes, utf8ToCp1251(buildReport(d)));
    EXPECT_EQ(cp1251ToUtf8(bytes), buildReport(d));
    // "Данные трансформатора" in the code page, one byte a letter.
    EXPECT_NE(bytes.find("\xC4\xE0\xED\xED\xFB\xE5 \xF2\xF0\xE0\xED\xF1\xF4\xEE\xF0\xEC\xE0\xF2\xEE\xF0\xE0\r\r\n"),
              std::string::npos);
}

TEST_F(ReportFile, TwoAppendsKeepBothReportsAndEarlierContent) {
    const std::string earlier("old \xC0\xC1\0 text\n without line end", 30);
    {
        std::ofstream out(path_, std::ios::binary);
        out << earlier;
    }
    ReportData first = minimal();
    ReportData second = minimal();
    second.shownCurrent = "9,1";
    ASSERT_TRUE(appendReport(path_, first));
    ASSERT_TRUE(appendReport(path_, second));
    EXPECT_EQ(read(), earlier + utf8ToCp1251(buildReport(first)) + utf8ToCp1251(buildReport(second)));
}

// The code page has no Σ: the file spells RΣ and XΣ "Rсум" and "Xсум"; the report text keeps Σ.
TEST_F(ReportFile, SigmaIsSpeltInTheCodePage) {
    ReportData d = minimal();
    d.checks = {"ТОКИ КЗ ПО ТОЧКАМ", "K2 РУ-0,4: RΣ = 10,2 мОм, XΣ = 22,3629 мОм", "ΣΣ — Σ"};
    ASSERT_TRUE(appendReport(path_, d));
    const std::string text = cp1251ToUtf8(read());
    EXPECT_NE(text.find("K2 РУ-0,4: Rсум = 10,2 мОм, Xсум = 22,3629 мОм\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("сумсум — сум\r\r\n"), std::string::npos);
    EXPECT_EQ(text.find('?'), std::string::npos);
    EXPECT_NE(buildReport(d).find("RΣ = 10,2"), std::string::npos);
}

TEST_F(ReportFile, CharactersMissingFromTheCodePageBecomeQuestionMarks) {
    ReportData d = minimal();
    d.st = "中";
    ASSERT_TRUE(appendReport(path_, d));
    EXPECT_NE(read().find("S\xF2,\xEA\xC2\xC0 = ?\r\r\n"), std::string::npos);
}

TEST_F(ReportFile, DirectoryPathFails) {
    std::optional<StorageError> error;
    EXPECT_FALSE(appendReport(dir_.string(), minimal(), &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EISDIR);
    EXPECT_EQ(error->description, "Это каталог");
    EXPECT_TRUE(fs::is_empty(dir_));

    error.reset();
    EXPECT_FALSE(appendReport((dir_ / "missing" / "ampera.txt").string(), minimal(), &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, ENOENT);
}

TEST_F(ReportFile, WriteProtectedFileIsLeftAlone) {
    {
        std::ofstream out(path_, std::ios::binary);
        out << "keep";
    }
    fs::permissions(path_, fs::perms::owner_read);
    if (std::ofstream(path_, std::ios::app)) GTEST_SKIP() << "permissions do not apply (running as root)";
    std::optional<StorageError> error;
    EXPECT_FALSE(appendReport(path_, minimal(), &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EACCES);
    EXPECT_EQ(read(), "keep");
}

TEST_F(ReportFile, FailedAppendLeavesTheFileAsItWas) {
    const std::string earlier(500, 'x');
    {
        std::ofstream out(path_, std::ios::binary);
        out << earlier;
    }
    AMPERA_SKIP_ON_WINDOWS("a limit on the size of files a process writes (RLIMIT_FSIZE)");
    std::optional<StorageError> error;
    bool ok = false;
    {
        FileSizeLimit limit(600);  // room for a part of the report only
        ok = appendReport(path_, minimal(), &error);
    }

    EXPECT_FALSE(ok);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EFBIG);
    EXPECT_EQ(read(), earlier);
}

TEST_F(ReportFile, FailedFirstAppendOnAFullDiskLeavesNoFile) {
    std::optional<StorageError> error;
    {
        files::faultHook = [](std::string_view step) { return step == "write" ? ENOSPC : 0; };
        EXPECT_FALSE(appendReport(path_, minimal(), &error));
        files::faultHook = nullptr;
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, ENOSPC);
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_TRUE(fs::is_empty(dir_));

    // A report that was there before stays, and the next append works.
    ASSERT_TRUE(appendReport(path_, minimal()));
    const std::string one = read();
    files::faultHook = [](std::string_view step) { return step == "write" ? ENOSPC : 0; };
    EXPECT_FALSE(appendReport(path_, minimal()));
    files::faultHook = nullptr;
    EXPECT_EQ(read(), one);
}
