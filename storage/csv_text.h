#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ampera::csv {

// Tables of texts as CSV files the way a Russian spreadsheet program writes
// and reads them: ";" between cells, CR LF after each row, a cell quoted when
// it holds ";", a quote or a line end, its quotes doubled (RFC 4180 with ";").

using CsvCells = std::vector<std::string>;

// The rows as a CSV file in UTF-8 with a byte order mark.
std::string csvText(const std::vector<CsvCells>& rows);

// A row read back, with the file's line number it starts on (from 1).
struct CsvRow {
    int line = 0;
    CsvCells cells;
};

struct CsvRead {
    std::vector<CsvRow> rows;  // blank lines skipped
    bool cp1251 = false;       // the bytes were not UTF-8 and were read as Windows-1251
    int openQuoteLine = 0;     // the line of a quote never closed (the rows stop there); 0: none
};

// A CSV file's bytes as rows of UTF-8 texts: a byte order mark is skipped,
// rows end with CR LF or LF, bytes that are not valid UTF-8 make the whole
// file read as Windows-1251.
CsvRead parseCsv(std::string_view bytes);

}  // namespace ampera::csv
