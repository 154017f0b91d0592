#include "storage/workbook_file.h"

#include <algorithm>
#include <cerrno>
#include <map>

#include "storage/file_access.h"
#include "storage/file_save.h"
#include "storage/platform.h"
#include "storage/xlsx_library.h"

namespace ampera::files {

namespace {

constexpr lxw_color_t kRedFill = 0xFFC7CE, kGreenFill = 0xC6EFCE;
constexpr double kMinWidth = 6, kMaxWidth = 40;

// The cell formats of the workbook, one per decimals and fill, made as first needed.
class Formats {
public:
    Formats(const XlsxLibrary& x, lxw_workbook* book) : x_(x), book_(book) {}

    lxw_format* header() {
        if (!header_) {
            header_ = x_.workbook_add_format(book_);
            x_.format_set_bold(header_);
        }
        return header_;
    }

    lxw_format* cell(const BookCell& c) {
        const int decimals = c.number ? std::clamp(c.decimals, 0, 15) : -1;
        lxw_format*& f = formats_[{decimals, c.fill}];
        if (f) return f;
        f = x_.workbook_add_format(book_);
        if (decimals >= 0) {
            const std::string pattern = decimals == 0 ? "0"
                                                      : "0." + std::string(static_cast<std::size_t>(decimals), '0');
            x_.format_set_num_format(f, pattern.c_str());
        }
        if (c.fill != BookFill::None) {
            x_.format_set_pattern(f, LXW_PATTERN_SOLID);
            x_.format_set_bg_color(f, c.fill == BookFill::Red ? kRedFill : kGreenFill);
        }
        return f;
    }

private:
    const XlsxLibrary& x_;
    lxw_workbook* book_;
    lxw_format* header_ = nullptr;
    std::map<std::pair<int, BookFill>, lxw_format*> formats_;
};

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; }));
}

// The characters a cell shows: a number's sign, integer digits, comma and decimals.
std::size_t characters(const BookCell& cell) {
    if (!cell.number) return characters(cell.text);
    return std::to_string(static_cast<long long>(*cell.number)).size() + static_cast<std::size_t>(cell.decimals) + 1;
}

// Each column's width in characters: its caption's or its longest cell's, within limits.
std::vector<double> columnWidths(const BookSheet& sheet) {
    std::vector<double> widths;
    for (const std::string& caption : sheet.header) widths.push_back(static_cast<double>(characters(caption)));
    for (const auto& row : sheet.rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], static_cast<double>(characters(row[c])));
    for (double& w : widths) w = std::clamp(w + 2, kMinWidth, kMaxWidth);
    return widths;
}

bool writeBook(const XlsxLibrary& x, const std::string& path, const BookSheet& sheet) {
    lxw_workbook* book = x.workbook_new(path.c_str());
    if (!book) return false;
    lxw_worksheet* ws = x.workbook_add_worksheet(book, sheet.name.c_str());
    if (!ws) {
        x.workbook_close(book);
        return false;
    }
    Formats formats(x, book);
    const std::vector<double> widths = columnWidths(sheet);
    for (std::size_t c = 0; c < sheet.header.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        x.worksheet_set_column(ws, col, col, widths[c], nullptr);
        x.worksheet_write_string(ws, 0, col, sheet.header[c].c_str(), formats.header());
    }
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < sheet.rows[r].size(); ++c) {
            const BookCell& cell = sheet.rows[r][c];
            const auto col = static_cast<lxw_col_t>(c);
            if (cell.number) x.worksheet_write_number(ws, row, col, *cell.number, formats.cell(cell));
            else if (!cell.text.empty()) x.worksheet_write_string(ws, row, col, cell.text.c_str(), formats.cell(cell));
            else if (cell.fill != BookFill::None) x.worksheet_write_blank(ws, row, col, formats.cell(cell));
        }
    }
    x.worksheet_freeze_panes(ws, 1, 0);
    if (!sheet.header.empty())
        x.worksheet_autofilter(ws, 0, 0, static_cast<lxw_row_t>(sheet.rows.size()),
                               static_cast<lxw_col_t>(sheet.header.size() - 1));
    return x.workbook_close(book) == LXW_NO_ERROR;
}

}  // namespace

bool saveWorkbook(const std::string& path, const BookSheet& sheet, StorageError& error) {
    // The library writes a file by name: it goes to a private temporary file
    // first, whose bytes then replace the target as every save does.
    const XlsxLibrary* x = xlsxLibrary();
    if (!x) {
        error = storageErrorFromErrno(kNoLibraryError);
        return false;
    }
    std::string scratch;
    if (const int code = platform::makeScratchFile(scratch)) {
        error = storageErrorFromErrno(code);
        return false;
    }
    const bool written = writeBook(*x, scratch, sheet);
    const ReadResult read = written ? readWhole(scratch) : ReadResult{};
    platform::remove(scratch);
    if (!written || read.status != ReadStatus::Read) {
        error = read.status == ReadStatus::Failed ? read.error : storageErrorFromErrno(EIO);
        return false;
    }
    return saveWhole(path, read.bytes, error);
}

}  // namespace ampera::files
