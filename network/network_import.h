#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "network/network.h"

namespace ampera::network {

// A network read from a CSV file in the export's own form.

// A problem of the file at a line (the header is line 1).
struct ImportProblem {
    int line = 0;
    std::string text;
};

struct NetworkImport {
    std::optional<Network> network;       // when the file has no problem
    std::vector<ImportProblem> problems;  // in line order
    bool cp1251 = false;                  // the file was read as Windows-1251
};

inline constexpr std::size_t kMaxImportProblems = 20;

// Reads the file's bytes: columns by caption in any order (and the spellings
// of a Windows-1251 file), the tree by "Питается от" or else by "Уровень",
// catalogue cables filled from the catalogue. The network keeps θк as theta.
NetworkImport importNetworkCsv(std::string_view bytes, const std::string& theta);

// The refusal's text: up to kMaxImportProblems lines "строка N: …".
std::string importProblemsText(const std::vector<ImportProblem>& problems);

}  // namespace ampera::network
