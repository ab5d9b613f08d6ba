// SceneNode: transform bookkeeping, coordinate conversion and the rebuild queue.
#include "Vorn/scene/SceneNode.h"

#include "Vorn/render/Renderer.h"
#include "Vorn/scene/NodeManager.h"
#include "Vorn/scene/PartitionNode.h"

namespace Vorn {

namespace {

constexpr float kRadiansPerDegree = 0.017453292519943295f;

// Stamps of world transforms: every recomputation takes a new one, so a child can tell that its
// parent's world transform is not the one it was made from.
uint64_t world_stamps = 0;

} // namespace

SceneNode::SceneNode() = default;

SceneNode::~SceneNode()
{
    NODE_MANAGER.Forget(this);
}

void SceneNode::TransformChanged()
{
    localDirty_ = true;
    ++localStamp_;
    MarkDirty();
}

void SceneNode::SetX(float x)
{
    position_.x = x;
    TransformChanged();
}

void SceneNode::SetY(float y)
{
    position_.y = y;
    TransformChanged();
}

void SceneNode::SetPosition(float x, float y)
{
    position_ = { x, y };
    TransformChanged();
}

void SceneNode::ChangePosition(float dx, float dy)
{
    position_.x += dx;
    position_.y += dy;
    TransformChanged();
}

void SceneNode::ChangeRotation(float degrees)
{
    ChangeRotationR(degrees * kRadiansPerDegree);
}

void SceneNode::ChangeRotationR(float radians)
{
    rotation_ += radians;
    TransformChanged();
}

void SceneNode::ChangeScale(float fx, float fy)
{
    scale_.x *= fx;
    scale_.y *= fy;
    TransformChanged();
}

void SceneNode::ChangeShear(float dx, float dy)
{
    shear_.x += dx;
    shear_.y += dy;
    TransformChanged();
}

const Affine& SceneNode::Local() const
{
    if (localDirty_) {
        local_ = Affine::Compose(position_, rotation_, shear_, scale_);
        localDirty_ = false;
    }
    return local_;
}

PartitionNode* SceneNode::Parent() const
{
    return static_cast<PartitionNode*>(parent);
}

const Affine& SceneNode::World() const
{
    const SceneNode* above = Parent();
    uint64_t parentStamp = 0;
    if (above != nullptr) {
        above->World();
        parentStamp = above->worldStamp_;
    }
    if (worldStamp_ == 0 || localSeen_ != localStamp_ || parentSeen_ != parentStamp) {
        world_ = above != nullptr ? above->world_ * Local() : Local();
        localSeen_ = localStamp_;
        parentSeen_ = parentStamp;
        worldStamp_ = ++world_stamps;
    }
    return world_;
}

void SceneNode::GetWorldPoint(Point& point) const
{
    point = World().Apply(point);
}

void SceneNode::GetWorldPoint(float& x, float& y) const
{
    const Point world = World().Apply({ x, y });
    x = world.x;
    y = world.y;
}

void SceneNode::GetLocalPoint(Point& point) const
{
    Affine inverse;
    if (World().Invert(inverse))
        point = inverse.Apply(point);
}

void SceneNode::GetLocalPoint(float& x, float& y) const
{
    Point point { x, y };
    GetLocalPoint(point);
    x = point.x;
    y = point.y;
}

void SceneNode::Draw(Renderer& renderer)
{
    if (visible)
        renderer.Submit(this);
}

void SceneNode::Emit(RenderWalk&) const { }

void SceneNode::UpdateBounds() { }

void SceneNode::MarkDirty()
{
    NODE_MANAGER.Queue(this);
}

void SceneNode::MarkClean() { }

} // namespace Vorn
