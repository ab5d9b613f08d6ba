// NodeManager: the queue of changed nodes and its rebuild.
#include "Vorn/scene/NodeManager.h"

#include <algorithm>

#include "Vorn/draw/Canvas.h"
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

void NodeManager::Watch(SceneNode* node, const Canvas* canvas)
{
    const auto [at, added] = watchIndex_.try_emplace(canvas, watched_.size());
    if (added)
        watched_.push_back({ canvas, canvas->Version(), {} });
    watched_[at->second].nodes.push_back(node);
}

void NodeManager::Unwatch(SceneNode* node, const Canvas* canvas)
{
    const auto at = watchIndex_.find(canvas);
    if (at == watchIndex_.end())
        return;
    std::vector<SceneNode*>& nodes = watched_[at->second].nodes;
    const auto found = std::find(nodes.begin(), nodes.end(), node);
    if (found != nodes.end()) {
        *found = nodes.back();
        nodes.pop_back();
    }
    if (!nodes.empty())
        return;
    const std::size_t index = at->second;
    watchIndex_.erase(at);
    if (index + 1 != watched_.size()) {
        watched_[index] = std::move(watched_.back());
        watchIndex_[watched_[index].canvas] = index;
    }
    watched_.pop_back();
}

void NodeManager::Rebuild()
{
    for (Watched& watched : watched_) {
        const uint64_t version = watched.canvas->Version();
        if (version == watched.version)
            continue;
        watched.version = version;
        for (SceneNode* node : watched.nodes)
            Queue(node);
    }
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
