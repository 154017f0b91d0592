#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/fault_checks.h"
#include "core/fault_points.h"
#include "core/path_loop.h"

namespace ampera {

// A node of a network fed from the transformer's busbars: the branch from its
// parent's point to its own, and the protective device at the parent's point.
struct TreeBranch {
    std::size_t parent = 0;              // the parent's index; the root (index 0) has none
    PathBranch branch;                   // unused for the root
    std::optional<DeviceInputs> device;  // none: no device on the branch
    bool readable = true;                // false: an input fails its rule
};

// The results at a node: its point (none when it or a node feeding it is not
// readable, or its loop describes no real network), and the verdicts on its
// device with Bк and Sмин.
struct TreePoint {
    std::optional<PointCurrents> point;
    DeviceJudgement device;
};

// Every node's point over its path from the root, and its device judged with
// the parent's currents (breaking, making, Bк) and its own minimum current
// (sensitivity). The nodes come depth first, each before its children, the
// root first. A pure function of its arguments; the depth costs no stack.
std::vector<TreePoint> computeTree(const LoopSource& source, const LoopEnds& ends, double kTheta,
                                   std::span<const TreeBranch> nodes);

}  // namespace ampera
