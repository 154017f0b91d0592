#include "storage/csv_text.h"

#include "storage/cp1251.h"

namespace ampera::csv {

namespace {

constexpr char kSeparator = ';';
constexpr std::string_view kBom = "\xEF\xBB\xBF";

void appendCell(std::string& out, const std::string& cell) {
    if (cell.find_first_of(";\"\r\n") == std::string::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string csvText(const std::vector<CsvCells>& rows) {
    std::string out(kBom);
    for (const CsvCells& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0) out += kSeparator;
            appendCell(out, row[k]);
        }
        out += "\r\n";
    }
    return out;
}

CsvRead parseCsv(std::string_view bytes) {
    CsvRead read;
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    std::string converted;
    if (!isWellFormedUtf8(bytes)) {
        converted = cp1251ToUtf8(bytes);
        bytes = converted;
        read.cp1251 = true;
    }
    int line = 1;
    std::size_t k = 0;
    while (k < bytes.size()) {
        CsvRow row{.line = line, .cells = {}};
        std::string cell;
        bool quoted = false, rowEnds = false;
        while (!rowEnds) {
            if (k >= bytes.size()) {
                if (quoted) {
                    read.openQuoteLine = row.line;
                    return read;
                }
                rowEnds = true;
                break;
            }
            const char c = bytes[k++];
            if (quoted) {
                if (c == '"' && k < bytes.size() && bytes[k] == '"') cell += '"', ++k;
                else if (c == '"') quoted = false;
                else {
                    if (c == '\n') ++line;
                    cell += c;
                }
            } else if (c == '"' && cell.empty()) {
                quoted = true;
            } else if (c == kSeparator) {
                row.cells.push_back(std::move(cell));
                cell.clear();
            } else if (c == '\n' || (c == '\r' && k < bytes.size() && bytes[k] == '\n')) {
                if (c == '\r') ++k;
                ++line;
                rowEnds = true;
            } else {
                cell += c;
            }
        }
        row.cells.push_back(std::move(cell));
        // A blank line is no row.
        if (row.cells.size() > 1 || !row.cells.front().empty()) read.rows.push_back(std::move(row));
    }
    return read;
}

}  // namespace ampera::csv
