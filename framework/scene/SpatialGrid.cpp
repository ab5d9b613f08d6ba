// SpatialGrid: filing nodes under cells and querying a box.
#include "Vorn/scene/SpatialGrid.h"

#include <algorithm>
#include <cmath>

#include "Vorn/scene/SceneNode.h"

namespace Vorn {

namespace {

// Cell index of a coordinate, kept well inside int32 for absurd coordinates.
int32_t CellIndex(float value)
{
    const float cell = std::floor(value / SpatialGrid::kCellSize);
    if (!(cell > -1.0e9f))
        return -1000000000;
    if (!(cell < 1.0e9f))
        return 1000000000;
    return static_cast<int32_t>(cell);
}

void Erase(std::vector<SceneNode*>& list, SceneNode* node)
{
    const auto found = std::find(list.begin(), list.end(), node);
    if (found != list.end()) {
        *found = list.back();
        list.pop_back();
    }
}

} // namespace

SpatialGrid::Range SpatialGrid::CellsOf(const AABB& box)
{
    if (box.IsEmpty())
        return { 0, 0, -1, -1 };
    return { CellIndex(box.MinX()), CellIndex(box.MinY()), CellIndex(box.MaxX()), CellIndex(box.MaxY()) };
}

void SpatialGrid::Place(SceneNode& node)
{
    Range range { 0, 0, -1, -1 };
    bool always = node.Unbounded();
    if (!always) {
        range = CellsOf(node.Bounds());
        const int64_t cells = range.Empty() ? 0
                                            : (static_cast<int64_t>(range.maxX) - range.minX + 1)
                * (static_cast<int64_t>(range.maxY) - range.minY + 1);
        always = cells > kMaxCellsPerNode;
    }
    if (always) {
        if (!node.inAlwaysList_) {
            Unfile(node);
            always_.push_back(&node);
            node.inAlwaysList_ = true;
        }
        return;
    }
    if (!node.inAlwaysList_ && range.minX == node.cellMinX_ && range.minY == node.cellMinY_
        && range.maxX == node.cellMaxX_ && range.maxY == node.cellMaxY_)
        return;
    Unfile(node);
    File(node, range);
}

void SpatialGrid::File(SceneNode& node, const Range& range)
{
    for (int32_t x = range.minX; x <= range.maxX && !range.Empty(); ++x)
        for (int32_t y = range.minY; y <= range.maxY; ++y)
            cells_[Key(x, y)].push_back(&node);
    node.cellMinX_ = range.minX;
    node.cellMinY_ = range.minY;
    node.cellMaxX_ = range.maxX;
    node.cellMaxY_ = range.maxY;
}

void SpatialGrid::Unfile(SceneNode& node)
{
    if (node.inAlwaysList_) {
        Erase(always_, &node);
        node.inAlwaysList_ = false;
    }
    // Cells stay in the map when they empty: a moving node refills them without allocating.
    for (int32_t x = node.cellMinX_; x <= node.cellMaxX_; ++x)
        for (int32_t y = node.cellMinY_; y <= node.cellMaxY_; ++y) {
            const auto cell = cells_.find(Key(x, y));
            if (cell != cells_.end())
                Erase(cell->second, &node);
        }
    node.cellMinX_ = node.cellMinY_ = 0;
    node.cellMaxX_ = node.cellMaxY_ = -1;
}

void SpatialGrid::Remove(SceneNode& node)
{
    Unfile(node);
}

void SpatialGrid::Clear()
{
    cells_.clear();
    always_.clear();
}

void SpatialGrid::Query(const AABB& box, uint32_t mark, std::vector<SceneNode*>& out) const
{
    auto take = [&](SceneNode* node) {
        if (node->queryMark_ != mark) {
            node->queryMark_ = mark;
            out.push_back(node);
        }
    };
    for (SceneNode* node : always_)
        take(node);
    const Range range = CellsOf(box);
    if (range.Empty())
        return;
    const int64_t span = (static_cast<int64_t>(range.maxX) - range.minX + 1)
        * (static_cast<int64_t>(range.maxY) - range.minY + 1);
    if (span > static_cast<int64_t>(cells_.size())) {
        // A box larger than the filed area: walk the cells there are instead.
        for (const auto& [key, nodes] : cells_) {
            const auto x = static_cast<int32_t>(static_cast<uint32_t>(key >> 32));
            const auto y = static_cast<int32_t>(static_cast<uint32_t>(key));
            if (x >= range.minX && x <= range.maxX && y >= range.minY && y <= range.maxY)
                for (SceneNode* node : nodes)
                    take(node);
        }
        return;
    }
    for (int32_t x = range.minX; x <= range.maxX; ++x)
        for (int32_t y = range.minY; y <= range.maxY; ++y) {
            const auto cell = cells_.find(Key(x, y));
            if (cell != cells_.end())
                for (SceneNode* node : cell->second)
                    take(node);
        }
}

} // namespace Vorn
