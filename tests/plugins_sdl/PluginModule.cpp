// PluginModule: dlopen of the built plugins and the dummy-driver set-up.
#include "PluginModule.h"

#include <cstdlib>

namespace plugintest {

void UseDummyDrivers()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

PluginModule::PluginModule(const std::string& fileName)
{
    const std::string path = std::string(VORN_TEST_PLUGIN_DIR) + "/" + fileName;
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* message = dlerror();
        error_ = message != nullptr ? message : path;
    }
}

PluginModule::~PluginModule()
{
    if (handle_ != nullptr)
        dlclose(handle_);
}

void* PluginModule::Symbol(const char* name) const
{
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

} // namespace plugintest
