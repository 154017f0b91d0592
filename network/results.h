#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/fault_calculation.h"
#include "core/fault_checks.h"
#include "core/path_loop.h"
#include "network/network.h"

namespace ampera::network {

// An input that fails its rule, with its message.
struct Problem {
    Column column;
    const char* message;
};

// What a node's inputs give: its branch, its device with the conductor it
// protects (none for "нет"), and the inputs that fail their rules.
struct NodeReading {
    PathBranch branch;
    std::optional<DeviceInputs> device;
    std::vector<Problem> problems;
    bool autoCircuit = true;  // the device's circuit follows whether the node feeds others
    bool ok = true;           // every input holds its rule and the branch could be formed

    // The message of an input that fails its rule; nullptr where it holds.
    const char* problem(Column column) const;
};
NodeReading readNode(const Node& node);

// The circuit a node's device protects: as chosen, or by "авто" a distribution
// circuit when the node feeds others and a final one when it feeds nothing.
Circuit nodeCircuit(const Node& node, const NodeReading& reading);

// The results of a node: its point (none when its inputs or those of a node
// feeding it fail), and the verdicts on its device with Sмин.
struct NodeResult {
    std::optional<PointCurrents> point;
    std::optional<double> smin;
    Verdicts verdicts = kUnjudged;
};

// The network computed: per node its reading and results, and the message
// of a failing main-window field or θк, which leaves every result empty.
// The readings change only with a node's inputs, the results with any input.
struct Results {
    std::unordered_map<NodeId, NodeReading> readings;
    std::unordered_map<NodeId, NodeResult> nodes;
    std::string status;

    const NodeResult* result(NodeId id) const;
    const NodeReading* reading(NodeId id) const;
};

// Every node's results from the inputs alone: the main window's fields (the
// transformer, the supply, the reactor, the Y/Y additions), θк and the nodes.
Results computeResults(const Network& network, const FaultTexts& supply);

// The results again from the readings held, which must be those of the
// network's nodes (an editor reads a node again when its inputs change).
void computePoints(const Network& network, const FaultTexts& supply, Results& results);

}  // namespace ampera::network
