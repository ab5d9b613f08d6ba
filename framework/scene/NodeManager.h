// NodeManager: the per-frame rebuild of the scene graph. Nodes whose transform or content changed
// queue themselves; Rebuild recomputes what those nodes cover and refiles them in their layer's
// spatial partition, so the cost follows what changed, not what exists. World transforms need no
// rebuild: they are recomputed on demand whenever a node or one above it changed.
#pragma once

#include <cstddef>
#include <vector>

namespace Vorn {

class SceneNode;

class NodeManager {
public:
    // Queues a node whose bounds may have changed (once, however often it changes).
    void Queue(SceneNode* node);
    // A node is being destroyed: it leaves the queue.
    void Forget(SceneNode* node);
    // Updates the bounds of every queued node and its place in its layer; empties the queue.
    void Rebuild();
    // How many nodes wait for the next rebuild.
    std::size_t Pending() const { return pending_; }

private:
    std::vector<SceneNode*> queue_; // null where a queued node was destroyed
    std::size_t pending_ = 0;
};

extern NodeManager NODE_MANAGER;

} // namespace Vorn
