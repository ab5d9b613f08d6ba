// Held: how a script wrapper holds the engine object it wraps. Construction takes one counted
// reference and records the wrapper as the object's owner; destruction clears the owner, then
// drops the reference, so the object lives on while any other holder (a layer, the display, a
// sprite) still has it, and is deleted by whoever releases it last.
#pragma once

#include <utility>

namespace bridge {

template <class T> class Held {
public:
    // `node` is a new object (or one the wrapper shares); `owner` is the wrapper itself.
    Held(T* node, void* owner)
        : node_(node)
    {
        node_->AddRef();
        node_->owner = owner;
    }
    ~Held()
    {
        node_->owner = nullptr;
        node_->DropRef();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    T* Get() const { return node_; }
    T* operator->() const { return node_; }

private:
    T* node_;
};

} // namespace bridge
