// NodeManager: the per-frame rebuild of the scene graph. Nodes whose transform changed queue
// themselves, and sprites whose canvas content changed are found by watching each canvas in use
// once per rebuild (a canvas can change through a gradient it uses, so only its version tells);
// Rebuild recomputes what those nodes cover and refiles them in their layer's spatial partition,
// so the cost follows what changed and the canvases in use, not the nodes that exist. World
// transforms need no rebuild: they are recomputed on demand when a node or one above it changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace Vorn {

class Canvas;
class SceneNode;

class NodeManager {
public:
    // Queues a node whose bounds may have changed (once, however often it changes).
    void Queue(SceneNode* node);
    // A node is being destroyed: it leaves the queue.
    void Forget(SceneNode* node);
    // A node shows a canvas: it is queued whenever the canvas's version changes.
    void Watch(SceneNode* node, const Canvas* canvas);
    void Unwatch(SceneNode* node, const Canvas* canvas);
    // Queues the nodes of changed canvases, then updates the bounds of every queued node and its
    // place in its layer; empties the queue.
    void Rebuild();
    // How many nodes wait for the next rebuild.
    std::size_t Pending() const { return pending_; }

private:
    struct Watched {
        const Canvas* canvas;
        uint64_t version;
        std::vector<SceneNode*> nodes;
    };

    std::vector<SceneNode*> queue_; // null where a queued node was destroyed
    std::size_t pending_ = 0;
    std::vector<Watched> watched_;
    std::unordered_map<const Canvas*, std::size_t> watchIndex_;
};

extern NodeManager NODE_MANAGER;

} // namespace Vorn
