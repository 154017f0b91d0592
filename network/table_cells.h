#pragma once

#include <string>

#include "network/editor.h"

namespace ampera::network {

// How a cell is drawn: a verdict that holds (green) or does not (red), an
// input that fails its rule (a red frame), or plainly.
enum class CellState { Plain, Pass, Fail, Bad };

struct Cell {
    std::string text;
    CellState state = CellState::Plain;
    std::string tooltip;  // a verdict's full words, a bad input's message
    bool editable = false;
};

// The cell of a node under a column, as the table shows it. The root's row
// has its name and the point K1, no inputs.
Cell cellOf(const Network& network, const Results& results, NodeId id, Column column);

// The whole table for a spreadsheet: a row of captions, then a row per node
// in display order with every column (the root's inputs empty), the name
// indented by two blanks per level; tab-separated, each row ending in CR LF.
std::string clipboardText(const Network& network, const Results& results);

}  // namespace ampera::network
