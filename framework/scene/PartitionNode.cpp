// PartitionNode: the child list, its partition and the order children draw in.
#include "Vorn/scene/PartitionNode.h"

#include <algorithm>

#include "Vorn/render/RenderWalk.h"

namespace Vorn {

namespace {

uint32_t query_marks = 0;

// Drawing order: farther back (larger depth) first, then list order.
bool DrawsBefore(const SceneNode* left, const SceneNode* right, uint64_t leftOrder, uint64_t rightOrder)
{
    if (left->depth != right->depth)
        return left->depth > right->depth;
    return leftOrder < rightOrder;
}

} // namespace

PartitionNode::PartitionNode()
{
    SetUnbounded();
}

PartitionNode::~PartitionNode()
{
    for (const Ref<SceneNode>& child : children_)
        child->parent = nullptr;
    grid_.Clear();
    children_.clear();
}

bool PartitionNode::AddChild(SceneNode* child)
{
    if (child == nullptr || child->IsSelfOrAncestorOf(this))
        return false;
    const Ref<SceneNode> keep(child); // the old holder may hold the last other reference
    if (child->parent == this) {
        const auto found = std::find_if(children_.begin(), children_.end(),
            [child](const Ref<SceneNode>& held) { return held.Get() == child; });
        children_.erase(found);
    } else if (PartitionNode* previous = child->Parent()) {
        previous->RemoveChild(child);
    }
    child->parent = this;
    child->order_ = nextOrder_++;
    children_.push_back(keep);
    grid_.Place(*child);
    if (!child->Unbounded())
        filedExtent_ = filedExtent_.United(child->Bounds());
    return true;
}

void PartitionNode::Detach(SceneNode& child)
{
    grid_.Remove(child);
    child.parent = nullptr;
}

bool PartitionNode::RemoveChild(SceneNode* child)
{
    const auto found = std::find_if(children_.begin(), children_.end(),
        [child](const Ref<SceneNode>& held) { return held.Get() == child; });
    if (child == nullptr || found == children_.end())
        return false;
    Detach(*child);
    children_.erase(found); // may delete the child
    return true;
}

void PartitionNode::RemoveChildren()
{
    for (const Ref<SceneNode>& child : children_)
        child->parent = nullptr;
    grid_.Clear();
    filedExtent_ = AABB();
    std::vector<Ref<SceneNode>> released;
    released.swap(children_); // released after the list is consistent again
}

void PartitionNode::ChildBoundsChanged(SceneNode& child)
{
    grid_.Place(child);
    if (!child.Unbounded())
        filedExtent_ = filedExtent_.United(child.Bounds());
}

void PartitionNode::VisibleChildren(const AABB& box, std::vector<SceneNode*>& out) const
{
    out.clear();
    if (filedExtent_.IsEmpty() || box.Contains(filedExtent_)) {
        // Everything may show: the list is already in list order.
        bool ordered = true;
        for (const Ref<SceneNode>& held : children_) {
            SceneNode* child = held.Get();
            if (!child->visible || (!child->Unbounded() && !child->Bounds().Intersects(box)))
                continue;
            if (!out.empty() && out.back()->depth < child->depth)
                ordered = false;
            out.push_back(child);
        }
        if (!ordered)
            std::sort(out.begin(), out.end(), [](const SceneNode* l, const SceneNode* r) {
                return DrawsBefore(l, r, l->order_, r->order_);
            });
        return;
    }
    grid_.Query(box, ++query_marks, out);
    out.erase(std::remove_if(out.begin(), out.end(),
                  [&box](const SceneNode* child) {
                      return !child->visible || (!child->Unbounded() && !child->Bounds().Intersects(box));
                  }),
        out.end());
    std::sort(out.begin(), out.end(),
        [](const SceneNode* l, const SceneNode* r) { return DrawsBefore(l, r, l->order_, r->order_); });
}

void PartitionNode::Emit(RenderWalk& walk) const
{
    walk.Children(*this);
}

} // namespace Vorn
