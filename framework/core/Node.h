// Node: the base of every engine object that several holders share (scene nodes, canvases,
// clippers, images, fonts, sounds): a public reference count and the script wrapper that owns the
// object. The holder that drops the count to zero deletes the object through its virtual
// destructor. Main thread only: the count is not atomic.
#pragma once

namespace Vorn {

class Node {
public:
    Node();
    virtual ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // Recomputes what the node covers from its content and transform; nothing by default.
    virtual void UpdateBounds() {}
    // Marks derived state (world transform, bounds, cached rasters) stale, or current again.
    virtual void MarkDirty() {}
    virtual void MarkClean() {}

    void AddRef() { ++references; }
    // Drops one reference; the last one deletes the node. (Images, fonts and sounds have a
    // Release of their own that unloads them: this one is named apart.)
    void DropRef();

    // How many nodes of every kind exist now: a finished run must end with none.
    static long LiveCount();

    int references = 0;       // holders of the node; zero right after construction
    void* owner = nullptr;    // the script wrapper that made the node, null when it is gone
};

// A node with a place in a hierarchy: scene nodes under a layer or the display.
class ChildNode : public Node {
public:
    // The container holding the node (a layer), or null at the top. Not counted: the container
    // holds the counted reference and clears this before it lets go.
    ChildNode* parent = nullptr;

    // Whether this node is `other` or one of the containers above it.
    bool IsSelfOrAncestorOf(const ChildNode* other) const
    {
        for (const ChildNode* node = other; node != nullptr; node = node->parent)
            if (node == this)
                return true;
        return false;
    }
};

// A node that many holders may use at once (a canvas shown by several sprites, an image painted
// on several canvases, a sound and its copies' shared data).
class SharedChildNode : public ChildNode {};

} // namespace Vorn
