// SpatialGrid: a layer's spatial partition. Children are filed under the square cells their bounds
// meet (in the layer's own space), so finding what may show in a box costs the cells the box
// meets and the nodes filed there, not the layer's size. Unbounded children and very large ones
// sit in one list that every query returns.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Vorn/core/AABB.h"

namespace Vorn {

class SceneNode;

class SpatialGrid {
public:
    static constexpr float kCellSize = 128.0f;
    // A node meeting more cells than this is kept in the always-returned list instead.
    static constexpr int64_t kMaxCellsPerNode = 256;

    // Files the node under its current bounds (nowhere when they are empty), moving it only when
    // the cells it meets changed.
    void Place(SceneNode& node);
    void Remove(SceneNode& node);
    // Forgets every node (their records are reset by the caller).
    void Clear();
    // Appends each node that may meet `box` once: those filed in cells the box meets and the
    // always-returned ones. `mark` is new for every query.
    void Query(const AABB& box, uint32_t mark, std::vector<SceneNode*>& out) const;
    std::size_t CellCount() const { return cells_.size(); }

private:
    struct Range {
        int32_t minX, minY, maxX, maxY;
        bool Empty() const { return maxX < minX || maxY < minY; }
    };
    static Range CellsOf(const AABB& box);
    static uint64_t Key(int32_t x, int32_t y)
    {
        return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) | static_cast<uint32_t>(y);
    }
    void File(SceneNode& node, const Range& range);
    void Unfile(SceneNode& node);

    std::unordered_map<uint64_t, std::vector<SceneNode*>> cells_;
    std::vector<SceneNode*> always_;
};

} // namespace Vorn
