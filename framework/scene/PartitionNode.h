// PartitionNode: a scene node that holds other scene nodes (children), each with a counted
// reference, in list order, filed in a spatial partition so that drawing finds what may show
// without looking at the rest. A node has at most one holder: adding it to another one moves it,
// adding it again moves it to the end. A node cannot hold itself or a node above it.
#pragma once

#include <cstddef>
#include <vector>

#include "Vorn/core/Ref.h"
#include "Vorn/scene/SceneNode.h"
#include "Vorn/scene/SpatialGrid.h"

namespace Vorn {

class PartitionNode : public SceneNode {
public:
    PartitionNode();
    ~PartitionNode() override;

    // Appends the child (or moves it to the end) and answers true; false for null, for this node
    // itself and for a node above it.
    bool AddChild(SceneNode* child);
    // Takes the child out; false when it is not a child of this node.
    bool RemoveChild(SceneNode* child);
    void RemoveChildren();

    std::size_t ChildCount() const { return children_.size(); }
    SceneNode* Child(std::size_t index) const { return children_[index].Get(); }

    // The visible children that may show in `box` (this node's space), in drawing order:
    // decreasing depth, equal depths in list order. `out` is emptied first.
    void VisibleChildren(const AABB& box, std::vector<SceneNode*>& out) const;

    void Emit(RenderWalk& walk) const override;

private:
    friend class NodeManager;
    // A child's bounds changed in the last rebuild: refile it.
    void ChildBoundsChanged(SceneNode& child);
    void Detach(SceneNode& child);

    std::vector<Ref<SceneNode>> children_;
    SpatialGrid grid_;
    uint64_t nextOrder_ = 1;
    // What the filed children have covered (it only grows); a query holding all of it walks the
    // list instead of the cells.
    AABB filedExtent_;
};

} // namespace Vorn
