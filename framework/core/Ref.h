// Ref: how one engine object holds another counted node (a layer its children, a sprite its
// canvas): takes a reference when it starts holding, drops it when it stops.
#pragma once

#include <utility>

namespace Vorn {

template <class T> class Ref {
public:
    Ref() = default;
    Ref(T* node)
        : node_(node)
    {
        if (node_ != nullptr)
            node_->AddRef();
    }
    Ref(const Ref& other)
        : Ref(other.node_)
    {
    }
    Ref(Ref&& other) noexcept
        : node_(std::exchange(other.node_, nullptr))
    {
    }
    Ref& operator=(Ref other) noexcept
    {
        std::swap(node_, other.node_);
        return *this;
    }
    ~Ref()
    {
        if (node_ != nullptr)
            node_->DropRef();
    }

    T* Get() const { return node_; }
    T* operator->() const { return node_; }
    T& operator*() const { return *node_; }
    explicit operator bool() const { return node_ != nullptr; }
    void Reset(T* node = nullptr) { *this = Ref(node); }

private:
    T* node_ = nullptr;
};

} // namespace Vorn
