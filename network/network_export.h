#pragma once

#include <string>
#include <vector>

#include "network/results.h"
#include "storage/workbook_file.h"

namespace ampera::network {

// The network as a spreadsheet holds it: a first column "Уровень" (0 for
// "ТП", 1 for a node it feeds, and so on), then every column of the network
// table in its order, by the same captions; a row per node in display order,
// names not indented.

inline constexpr const char* kLevelCaption = "Уровень";
inline constexpr const char* kParentCaption = "Питается от";  // a node's parent by name, in a hand-made table
inline constexpr const char* kSheetName = "Сеть";

// The header: "Уровень" and every column's caption.
std::vector<std::string> exportHeader();

// The workbook: numbers as numbers with their own decimals, an input that
// fails its rule as its text on red, verdicts on green or red.
files::BookSheet networkWorkbook(const Network& network, const Results& results);

// The CSV file's bytes: UTF-8 with a byte order mark, ";", decimal commas,
// CR LF; the texts as the table shows them.
std::string networkCsv(const Network& network, const Results& results);

}  // namespace ampera::network
