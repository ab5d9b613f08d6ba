// RuntimeNode: the runtime's own thin subclass of each engine node class it creates (sprites,
// layers, cameras, viewports). It adds nothing; its deleting destructor, emitted here, frees the
// object with the runtime's allocator, wherever the last reference is released.
#pragma once

namespace bridge {

template <class Engine> class RuntimeNode final : public Engine {
public:
    using Engine::Engine;
    ~RuntimeNode() override = default;
};

} // namespace bridge
