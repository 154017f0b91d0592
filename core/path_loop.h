#pragma once

#include <array>
#include <span>

#include "core/fault_loop.h"
#include "core/fault_points.h"
#include "core/fixed4.h"

namespace ampera {

// The fault loop from the transformer's busbars along a path of branches:
// each branch is the contacts and apparatus of a section, then its line. The
// chain K1–K4 is the path of its first k − 1 slots and element groups; a
// network's node is the path from the root to it.
struct PathBranch {
    LineSlot line;  // the line's four values for the whole section, mΩ
    Fixed4 rk, xk;  // the contacts, joints and apparatus, summed, mΩ
};

// A branch's values as the loop adds them, in doubles (each Fixed4 once).
struct PathTerms {
    double r1 = 0, x1 = 0, r0 = 0, x0 = 0, rk = 0, xk = 0;
    PathTerms() = default;
    explicit PathTerms(const PathBranch& b)
        : r1(b.line.r1.toDouble()),
          x1(b.line.x1.toDouble()),
          r0(b.line.r0.toDouble()),
          x0(b.line.x0.toDouble()),
          rk(b.rk.toDouble()),
          xk(b.xk.toDouble()) {}
};

// The terms at the loop's start that no branch carries: the reactor and the
// zero-sequence additions of a Y/Y transformer, mΩ.
struct LoopEnds {
    Fixed4 rr, xr, r0y, x0y;
};

// The chain up to point Kk (1–4) as a path: its first k − 1 line slots, each
// behind its element group.
struct ChainPath {
    std::array<PathTerms, kSectionCount> branches{};
    std::span<const PathTerms> path;
    LoopEnds ends;
    ChainPath(const LoopFields& fields, int point);
    ChainPath(const ChainPath&) = delete;  // path points into branches
    ChainPath& operator=(const ChainPath&) = delete;
};

// The sums of the path's lines that each branch extends, left to right in
// doubles: Rт + r1…, Xт + Xс + x1…, and r1… alone (for the heating). A
// network keeps them along a path, so that a node costs no walk over them.
struct PathLines {
    double r = 0, x = 0, r1 = 0;
    explicit PathLines(const LoopSource& source);
    static PathLines along(const LoopSource& source, std::span<const PathTerms> path);
    PathLines then(const PathTerms& branch) const;
};

// RΣ = Rт + the lines' r1 in path order + the branches' Rк in path order + Rр,
// and XΣ likewise from Xт + Xс: left to right in doubles, rounded once to Fixed4.
LoopTotals pathTotals(const LoopEnds& ends, std::span<const PathTerms> path, const PathLines& lines);
Fixed4 pathResistanceSum(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path);
Fixed4 pathReactanceSum(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path);

// The single-phase loop at the path's end, cold (Kθ = 1) and with the
// conductors heated by Kθ (see singlePhaseLoop), over the path's lines.
struct SinglePhaseLoops {
    SinglePhaseLoop cold, heated;
};
SinglePhaseLoops pathSinglePhaseLoops(const LoopSource& source, const LoopEnds& ends, LoopTotals totals,
                                      std::span<const PathTerms> path, const PathLines& lines, double kTheta);
SinglePhaseLoop pathSinglePhaseLoop(const LoopSource& source, const LoopEnds& ends, LoopTotals totals,
                                    std::span<const PathTerms> path, double kTheta);

// The currents at the path's end, as pointCurrents gives them for a point of
// the chain; lines are the path's, when they are known.
PointCurrents pathPointCurrents(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path,
                                double kTheta);
PointCurrents pathPointCurrents(const LoopSource& source, const LoopEnds& ends, std::span<const PathTerms> path,
                                const PathLines& lines, double kTheta);

}  // namespace ampera
