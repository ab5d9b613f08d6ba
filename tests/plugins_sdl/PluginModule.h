// PluginModule: test helpers that load a built plugin module from Plugins/ with dlopen, create
// its interface object through the exported factory, and make SDL use its dummy drivers.
#pragma once

#include <dlfcn.h>

#include <memory>
#include <string>

namespace plugintest {

// Makes SDL use its headless video and audio drivers unless the environment names others
// (the Xvfb run of the video tests names x11).
void UseDummyDrivers();

// One dlopen'ed module; closed on destruction.
class PluginModule {
public:
    explicit PluginModule(const std::string& fileName);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    const std::string& Error() const { return error_; }
    void* Symbol(const char* name) const;

private:
    void* handle_ = nullptr;
    std::string error_;
};

// Deletes a plugin object the way the runtime does: Shutdown, then delete inside the module.
template <class T> struct ShutdownAndDelete {
    void operator()(T* object) const
    {
        object->Shutdown();
        delete object;
    }
};

template <class T> using PluginPtr = std::unique_ptr<T, ShutdownAndDelete<T>>;

// Calls the module's factory `factory` (a function returning T*).
template <class T> PluginPtr<T> Create(const PluginModule& module, const char* factory)
{
    using Factory = T* (*)();
    auto function = reinterpret_cast<Factory>(module.Symbol(factory));
    return PluginPtr<T>(function != nullptr ? function() : nullptr);
}

} // namespace plugintest
