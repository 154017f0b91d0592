#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/fault_calculation.h"
#include "core/fault_checks.h"
#include "core/path_loop.h"
#include "network/network.h"

namespace ampera::network {

// What a node's inputs give: its branch, its device with the conductor it
// protects (none for "нет"), and the message of each input that fails its
// rule (empty where it holds).
struct NodeReading {
    PathBranch branch;
    std::optional<DeviceInputs> device;
    std::array<std::string, kInputCount> problems{};
    bool ok = true;  // every input holds its rule and the branch could be formed
};
NodeReading readNode(const Node& node);

// The results of a node: its point (none when its inputs or those of a node
// feeding it fail), and the verdicts on its device with Sмин.
struct NodeResult {
    std::optional<PointCurrents> point;
    std::optional<double> smin;
    Verdicts verdicts = kUnjudged;
};

// The network computed: per node its reading and results, and the message
// of a failing main-window field or θк, which leaves every result empty.
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

}  // namespace ampera::network
