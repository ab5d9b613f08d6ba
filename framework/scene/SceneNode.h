// SceneNode: the base of everything a scene shows (sprites, layers, cameras, viewports): its
// appearance (visibility, depth, blend mode, colour, alpha) as public data, and its transform.
// Position, rotation, shear and scale change only through the operations below, which keep the
// world transform current at once and queue the node for NodeManager::Rebuild, which updates what
// the node covers for culling. Transform: translate(position) · rotate · shear · scale, y up,
// angles turning clockwise.
#pragma once

#include <cstdint>

#include "Vorn/core/AABB.h"
#include "Vorn/core/Affine.h"
#include "Vorn/core/Node.h"
#include "Vorn/core/Point.h"
#include "Vorn/scene/IDrawable.h"
#include "contracts/Color.h"

namespace Vorn {

class PartitionNode;
class RenderWalk;

class SceneNode : public ChildNode, public IDrawable {
public:
    SceneNode();
    ~SceneNode() override;

    bool visible = true;
    float depth = 0.0f; // larger is farther back
    int32_t blending = 0; // BM_NONE
    Color color { 255, 255, 255 };
    float alpha = 1.0f;

    void SetX(float x);
    void SetY(float y);
    void SetPosition(float x, float y);
    void SetPosition(const Point& position) { SetPosition(position.x, position.y); }
    void ChangePosition(float dx, float dy);
    void ChangePosition(const Point& offset) { ChangePosition(offset.x, offset.y); }
    // Turns the node clockwise by the angle.
    void ChangeRotation(float degrees);
    void ChangeRotationR(float radians);
    // Multiplies the scale per axis.
    void ChangeScale(float fx, float fy);
    // Adds to the shear per axis.
    void ChangeShear(float dx, float dy);

    // Node-local to world coordinates and back, in place. A node scaled to nothing on an axis
    // has no local coordinates: GetLocalPoint then leaves the point as it is.
    void GetWorldPoint(Point& point) const;
    void GetWorldPoint(float& x, float& y) const;
    void GetLocalPoint(Point& point) const;
    void GetLocalPoint(float& x, float& y) const;

    const Point& Position() const { return position_; }
    float RotationR() const { return rotation_; }
    const Point& Shear() const { return shear_; }
    const Point& Scale() const { return scale_; }
    // Node space to its parent's space.
    const Affine& Local() const;
    // Node space to world space: the parent's world transform times the local one, always current.
    const Affine& World() const;
    // The layer holding the node, or null.
    PartitionNode* Parent() const;

    // What the node covers in its parent's space, as of the last rebuild; empty when it draws
    // nothing there. Unbounded nodes (layers, viewports) are never culled by their own bounds.
    const AABB& Bounds() const { return bounds_; }
    bool Unbounded() const { return unbounded_; }

    // A root-list node hands itself to the renderer; a hidden one draws nothing.
    void Draw(Renderer& renderer) override;
    // Adds what the node draws to the frame the renderer is building; nothing by default.
    virtual void Emit(RenderWalk& walk) const;

    // Recomputes Bounds() from the content and the local transform; nothing drawn by default.
    void UpdateBounds() override;
    // Queues the node for the next rebuild.
    void MarkDirty() override;
    void MarkClean() override;

protected:
    void SetUnbounded() { unbounded_ = true; }
    void SetBounds(const AABB& bounds) { bounds_ = bounds; }
    // The local transform changed.
    void TransformChanged();

private:
    friend class NodeManager;
    friend class PartitionNode;
    friend class SpatialGrid;

    Point position_;
    float rotation_ = 0.0f; // radians, clockwise
    Point shear_;
    Point scale_ { 1.0f, 1.0f };

    mutable Affine local_;
    mutable bool localDirty_ = true;
    uint64_t localStamp_ = 1; // changes with every transform change
    mutable Affine world_;
    mutable uint64_t worldStamp_ = 0; // changes whenever world_ is recomputed
    mutable uint64_t localSeen_ = 0; // localStamp_ and the parent's worldStamp_ world_ was made from
    mutable uint64_t parentSeen_ = 0;

    AABB bounds_;
    bool unbounded_ = false;

    int32_t queueIndex_ = -1; // place in the node manager's queue, -1 when not queued
    // Kept by the holding layer: list order, the grid cells the node is filed under, and the
    // last query that returned it.
    uint64_t order_ = 0;
    int32_t cellMinX_ = 0, cellMinY_ = 0, cellMaxX_ = -1, cellMaxY_ = -1;
    bool inAlwaysList_ = false;
    mutable uint32_t queryMark_ = 0;
};

} // namespace Vorn
