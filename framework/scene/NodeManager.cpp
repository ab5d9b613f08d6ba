// NodeManager: the queue of changed nodes and its rebuild.
#include "Vorn/scene/NodeManager.h"

#include "Vorn/scene/PartitionNode.h"
#include "Vorn/scene/SceneNode.h"

namespace Vorn {

NodeManager NODE_MANAGER;

void NodeManager::Queue(SceneNode* node)
{
    if (node->queueIndex_ >= 0)
        return;
    node->queueIndex_ = static_cast<int32_t>(queue_.size());
    queue_.push_back(node);
    ++pending_;
}

void NodeManager::Forget(SceneNode* node)
{
    if (node->queueIndex_ < 0)
        return;
    queue_[static_cast<std::size_t>(node->queueIndex_)] = nullptr;
    node->queueIndex_ = -1;
    --pending_;
}

void NodeManager::Rebuild()
{
    // The queue is re-read at every step: nothing here queues a node, but a node may be destroyed.
    for (std::size_t i = 0; i < queue_.size(); ++i) {
        SceneNode* node = queue_[i];
        if (node == nullptr)
            continue;
        node->queueIndex_ = -1;
        queue_[i] = nullptr;
        node->UpdateBounds();
        if (PartitionNode* layer = node->Parent())
            layer->ChildBoundsChanged(*node);
        node->MarkClean();
    }
    queue_.clear();
    pending_ = 0;
}

} // namespace Vorn
