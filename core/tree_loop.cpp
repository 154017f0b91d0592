#include "core/tree_loop.h"

#include <stdexcept>

#include "core/check_inputs.h"
#include "core/checked_math.h"

namespace ampera {

namespace {

// The point at the end of a path, or none where the checks would show nothing.
std::optional<PointCurrents> pointAt(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path,
                                     const PathLines& lines, double kTheta) {
    try {
        return pathPointCurrents(source, ends, path, lines, kTheta);
    } catch (const CheckStop&) {
        return std::nullopt;
    } catch (const Failure&) {
        return std::nullopt;
    }
}

DeviceJudgement judged(const DeviceInputs& device, const PointCurrents& at, const PointCurrents& end,
                       double lineVoltage) {
    try {
        return judgeDevice(device, at, end, lineVoltage);
    } catch (const Failure&) {
        return {};
    }
}

}  // namespace

std::vector<TreePoint> computeTree(const LoopSource& source, const LoopEnds& ends, double kTheta,
                                   std::span<const TreeBranch> nodes) {
    std::vector<TreePoint> out(nodes.size());
    if (nodes.empty()) return out;
    out[0].point = pointAt(source, ends, {}, PathLines(source), kTheta);

    // The path from the root to the node in hand: the nodes' indices, their branches and the sums of their lines.
    std::vector<std::size_t> stack = {0};
    std::vector<PathTerms> path;
    std::vector<PathLines> lines = {PathLines(source)};
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        const TreeBranch& node = nodes[i];
        while (stack.back() != node.parent) {
            if (stack.size() == 1) throw std::logic_error("computeTree: a node before its parent");
            stack.pop_back();
            path.pop_back();
            lines.pop_back();
        }
        stack.push_back(i);
        path.emplace_back(node.branch);
        lines.push_back(lines.back().then(path.back()));
        const std::optional<PointCurrents>& parent = out[node.parent].point;
        if (!node.readable || !parent) continue;
        out[i].point = pointAt(source, ends, path, lines.back(), kTheta);
        if (out[i].point && node.device) out[i].device = judged(*node.device, *parent, *out[i].point, source.uf);
    }
    return out;
}

}  // namespace ampera
