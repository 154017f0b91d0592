#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/storage_error.h"

namespace ampera::files {

// A table written as an Excel workbook (XLSX) of one worksheet.

enum class BookFill { None, Red, Green };

// A cell: a number (shown with its own count of decimals) or a text; an
// empty text and no number is an empty cell.
struct BookCell {
    std::string text{};
    std::optional<double> number{};
    int decimals = 0;
    BookFill fill = BookFill::None;
};

struct BookSheet {
    std::string name{};                         // the worksheet's name
    std::vector<std::string> header{};          // the first row: bold, frozen, with an autofilter
    std::vector<std::vector<BookCell>> rows{};  // the rows beneath it
};

// Writes the workbook whole and puts it in place as saveWhole does: a
// failure fills error and leaves the old file, or none, as it was.
bool saveWorkbook(const std::string& path, const BookSheet& sheet, StorageError& error);

}  // namespace ampera::files
