// The network in spreadsheets: CSV rules, the workbook's cells, the round
// trip and every kind of file the import refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "network/network_export.h"
#include "network/network_import.h"
#include "storage/cp1251.h"
#include "storage/csv_text.h"
#include "storage/file_access.h"
#include "storage/platform.h"
#include "tests/unit/network_cases.h"
#include "tests/unit/test_system.h"

using namespace ampera;
using namespace ampera::network;

namespace {

// Every node's inputs in display order.
std::vector<NodeInputs> inputsOf(const Network& n) {
    std::vector<NodeInputs> out;
    for (const NodeId id : n.displayOrder()) out.push_back(n.node(id).inputs);
    return out;
}

std::vector<std::string> problemsOf(std::string_view csv) {
    const NetworkImport read = importNetworkCsv(csv, "160");
    EXPECT_EQ(read.network.has_value(), read.problems.empty());
    std::vector<std::string> out;
    for (const ImportProblem& p : read.problems) out.push_back(std::to_string(p.line) + ": " + p.text);
    return out;
}

}  // namespace

TEST(Csv, TextAndBack) {
    const std::vector<csv::CsvCells> rows = {
        {"Узел", "L, м"}, {"a;b", "1,5"}, {"он сказал \"да\"", ""}, {"две\r\nстроки", "x"}, {"", ""}};
    const std::string text = csv::csvText(rows);
    EXPECT_EQ(text,
              "\xEF\xBB\xBFУзел;L, м\r\n\"a;b\";1,5\r\n\"он сказал \"\"да\"\"\";\r\n\"две\r\nстроки\";x\r\n;\r\n");
    const csv::CsvRead read = csv::parseCsv(text);
    EXPECT_FALSE(read.cp1251);
    ASSERT_EQ(read.rows.size(), rows.size());
    const int lines[] = {1, 2, 3, 4, 6};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(read.rows[k].cells, rows[k]) << k;
        EXPECT_EQ(read.rows[k].line, lines[k]) << k;
    }
    // LF alone, no byte order mark, blank lines skipped, Windows-1251 bytes.
    const csv::CsvRead lf = csv::parseCsv(utf8ToCp1251("Узел;n\n\nЩР-1;2\n"));
    EXPECT_TRUE(lf.cp1251);
    ASSERT_EQ(lf.rows.size(), 2u);
    EXPECT_EQ(lf.rows[1].cells, (csv::CsvCells{"ЩР-1", "2"}));
    EXPECT_EQ(lf.rows[1].line, 3);
    EXPECT_EQ(csv::parseCsv("a;\"b\nc").openQuoteLine, 1);
}

// Export, then import: the same tree and every input text as it was; the
// workbook's cells typed as a spreadsheet needs them.
TEST(NetworkSpreadsheet, RoundTripAndWorkbookCells) {
    Editor e;
    sampleNetwork(e);
    const std::string csv = networkCsv(e.network(), e.results());
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFУровень;Узел;Кабель;r1, мОм/м;"));
    EXPECT_NE(csv.find("\r\n2;\"Гр.1; освещение\";"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2;\"Гр.2 \"\"кухня\"\"\";"), std::string::npos);

    const NetworkImport back = importNetworkCsv(csv, "140");
    ASSERT_TRUE(back.network) << importProblemsText(back.problems);
    EXPECT_EQ(inputsOf(*back.network), inputsOf(e.network()));
    EXPECT_EQ(back.network->theta(), "140");
    for (const NodeId id : e.network().displayOrder())
        EXPECT_EQ(back.network->depth(back.network->findByName(e.network().node(id).name())->id),
                  e.network().depth(id));
    // The same from the file a Windows-1251 program would save, its captions spelled without Σ and ².
    std::string cp = utf8ToCp1251(csv.substr(3));
    for (const auto& [from, to] : {std::pair{"R?,", "Rсум,"}, {"X?,", "Xсум,"}, {"мм?", "мм2"}})
        for (std::size_t at; (at = cp.find(utf8ToCp1251(from))) != std::string::npos;)
            cp.replace(at, utf8ToCp1251(from).size(), utf8ToCp1251(to));
    const NetworkImport fromCp = importNetworkCsv(cp, "160");
    ASSERT_TRUE(fromCp.network) << importProblemsText(fromCp.problems);
    EXPECT_TRUE(fromCp.cp1251);

    const files::BookSheet book = networkWorkbook(e.network(), e.results());
    EXPECT_EQ(book.name, "Сеть");
    EXPECT_EQ(book.header, exportHeader());
    const auto cell = [&](const std::string& name, Column c) -> const files::BookCell& {
        const auto order = e.network().displayOrder();
        const auto row = std::ranges::find(order, idOf(e, name)) - order.begin();
        return book.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(c) + 1];
    };
    EXPECT_EQ(book.rows[0][0].number, 0.0);
    EXPECT_EQ(cell("Гр.1; освещение", Column::Length).number, 25.5);
    EXPECT_EQ(cell("Гр.1; освещение", Column::Length).decimals, 2);
    EXPECT_EQ(cell("Гр.1; освещение", Column::Name).text, "Гр.1; освещение");
    const files::BookCell& bad = cell("Гр.2 \"кухня\"", Column::Length);
    EXPECT_EQ(bad.text, "-5");
    EXPECT_FALSE(bad.number);
    EXPECT_EQ(bad.fill, files::BookFill::Red);
    const files::BookCell& ik3 = cell("ЩР-1", Column::Ik3);
    ASSERT_TRUE(ik3.number);
    const std::string ik3Text = textAt(e, "ЩР-1", Column::Ik3);
    EXPECT_EQ(ik3.decimals, ik3Text.find(',') == std::string::npos ? 0 : int(ik3Text.size() - ik3Text.find(',') - 1));
    std::set<files::BookFill> verdictFills;
    for (const auto& row : book.rows)
        for (int c = static_cast<int>(Column::Sensitivity); c <= static_cast<int>(Column::Thermal); ++c)
            if (const files::BookCell& v = row[static_cast<std::size_t>(c) + 1]; !v.text.empty()) {
                verdictFills.insert(v.fill);
                EXPECT_EQ(v.fill == files::BookFill::Red, v.text == "НЕТ");
            }
    EXPECT_EQ(verdictFills, (std::set{files::BookFill::Red, files::BookFill::Green}));
}

// The tree by "Питается от" in any row order, or by "Уровень"; a row for
// "ТП" skipped; a missing input column takes a new node's text; a catalogue
// cable's values and S from the catalogue, whatever the file says.
TEST(NetworkSpreadsheet, ImportsTheTreeEitherWay) {
    const std::string item = listItems(Column::Cable)[5];
    const CatalogueCable cable = *catalogueCable(item);
    const std::string byParent =
        "Питается от;Узел;Кабель;r1, мОм/м;L, м\r\n"
        "Б;В;нет;7;1\r\n"
        "ТП;Б;" +
        item +
        ";999;abc\r\n"
        ";А;по данным;0,5;20\r\n"
        "А;Г;по данным;1;2\r\n";
    const std::string byLevel =
        "Уровень;Узел;Кабель;r1, мОм/м;L, м\n"
        "0;ТП;;;\n"
        "1;Б;" +
        item +
        ";999;abc\n"
        "2;В;нет;7;1\n"
        "1;А;по данным;0,5;20\n"
        "2;Г;по данным;1;2\n";
    for (const std::string& file : {byParent, byLevel}) {
        const NetworkImport read = importNetworkCsv(file, "160");
        ASSERT_TRUE(read.network) << importProblemsText(read.problems);
        const Network& n = *read.network;
        std::vector<std::string> order;
        for (const NodeId id : n.displayOrder()) order.push_back(std::string(n.depth(id), '.') + n.node(id).name());
        const std::vector<std::string> tree = file == byParent
                                                  ? std::vector<std::string>{"ТП", ".Б", "..В", ".А", "..Г"}
                                                  : std::vector<std::string>{"ТП", ".Б", "..В", ".А", "..Г"};
        EXPECT_EQ(order, tree);
        const Node& b = *n.findByName("Б");
        EXPECT_EQ(b.input(Column::R1), cable.r1);
        EXPECT_EQ(b.input(Column::S), cable.s);
        EXPECT_EQ(b.input(Column::Length), "abc");  // a failing text stands, as typed ones do
        EXPECT_EQ(n.findByName("В")->input(Column::R1), "7");
        EXPECT_EQ(n.findByName("А")->input(Column::Device), columnInfo(Column::Device).start);
        EXPECT_EQ(n.findByName("А")->input(Column::Time), columnInfo(Column::Time).start);
    }
}

// Every kind of file the import refuses, with the lines of its problems.
TEST(NetworkSpreadsheet, RefusedFiles) {
    struct Case {
        const char* what;
        std::string csv;
        std::vector<std::string> problems;
    } cases[] = {
        {"empty", "\xEF\xBB\xBF\r\n", {"1: нет строки заголовка"}},
        {"no name column", "Уровень;Кабель\r\n1;нет\r\n", {"1: нет столбца «Узел»"}},
        {"unknown and repeated columns",
         "Узел;Ток;Узел\r\nА;1;А\r\n",
         {"1: неизвестный столбец «Ток»", "1: столбец «Узел» повторяется"}},
        {"cells", "Узел;n\r\nА;1\r\nБ\r\nВ;1;2\r\n", {"3: ячеек 1, а в заголовке 2", "4: ячеек 3, а в заголовке 2"}},
        {"names", "Узел;n\r\nА;1\r\n ;1\r\nА;2\r\n", {"3: пустое имя узла", "4: имя «А» уже есть в строке 2"}},
        {"parents",
         "Узел;Питается от\r\nА;Я\r\nБ;В\r\nВ;Б\r\nГ;В\r\nД;А\r\n",
         {"2: нет узла «Я», от которого он питается", "3: узел «Б» питается по кругу", "4: узел «В» питается по кругу",
          "5: узел «Г» питается по кругу"}},
        {"levels",
         "Уровень;Узел\r\n1;А\r\n3;Б\r\n0;В\r\nx;Г\r\n2;Д\r\n",
         {"3: уровень 3 глубже строки выше больше чем на 1", "4: уровень «0» не целое число от 1",
          "5: уровень «x» не целое число от 1"}},
        {"catalogue",
         "Узел;Кабель\r\nА;кабель, которого нет\r\nБ;по данным\r\n",
         {"2: нет такого кабеля в каталоге: «кабель, которого нет»"}},
        {"open quote", "Узел;n\r\nА;1\r\n\"Б;1\r\n", {"3: кавычка не закрыта"}},
    };
    for (const Case& c : cases) EXPECT_EQ(problemsOf(c.csv), c.problems) << c.what;

    std::string many = "Узел\r\n";
    for (int k = 0; k < 25; ++k) many += "А\r\n";
    const NetworkImport read = importNetworkCsv(many, "160");
    ASSERT_EQ(read.problems.size(), 24u);
    const std::string text = importProblemsText(read.problems);
    EXPECT_TRUE(text.starts_with("строка 3: имя «А» уже есть в строке 2\nстрока 4: "));
    EXPECT_TRUE(text.ends_with("\nстрока 22: имя «А» уже есть в строке 2\nвсего ошибок: 24"));
}

// The workbook is written whole, or nothing is left.
TEST(NetworkSpreadsheet, WorkbookFile) {
    namespace fs = std::filesystem;
    const std::string folder = platform::fromPath(scratchFolder("ampera-book-"));
    Editor e;
    const files::BookSheet book = networkWorkbook(sampleNetwork(e).network(), e.results());
    StorageError error;
    const std::string path = folder + "/сеть 1.xlsx";
    const bool saved = files::saveWorkbook(path, book, error);
#ifdef _WIN32
    if (!saved && error.code == kNoLibraryError) {
        // Without libxlsxwriter's DLL beside the program the save says so and leaves nothing.
        EXPECT_TRUE(fs::is_empty(folder));
        fs::remove_all(folder);
        GTEST_SKIP() << "no libxlsxwriter DLL to write with";
    }
#endif
    ASSERT_TRUE(saved) << error.description;
    EXPECT_TRUE(files::readWhole(path).bytes.starts_with("PK\x03\x04"));
    EXPECT_FALSE(files::saveWorkbook(folder + "/нет/сеть.xlsx", book, error));
    EXPECT_EQ(error.description, "Нет такого файла или каталога");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}
