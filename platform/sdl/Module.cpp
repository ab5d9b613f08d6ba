// Module on POSIX: dlopen/dlsym/dlclose, after mapping Windows-style paths.
#include "platform/Module.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

// The last dlerror() text, kept because dlerror() clears it on reading.
std::string& LastError()
{
    static std::string text;
    return text;
}

bool EndsWithDll(std::string_view path)
{
    constexpr std::string_view suffix = ".dll";
    if (path.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), path.end() - suffix.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

std::string MapModulePath(std::string_view path)
{
    std::string mapped(path);
    std::replace(mapped.begin(), mapped.end(), '\\', '/');
    if (EndsWithDll(mapped))
        mapped.replace(mapped.size() - 4, 4, ".so");
    return mapped;
}

Module* LoadModule(const char* path)
{
    const std::string mapped = MapModulePath(path != nullptr ? path : "");
    void* handle = mapped.empty() ? nullptr : dlopen(mapped.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = dlerror();
        LastError() = error != nullptr ? error : "empty module path";
    }
    return static_cast<Module*>(handle);
}

void* FindSymbol(Module* module, const char* name)
{
    if (module == nullptr || name == nullptr)
        return nullptr;
    dlerror();
    void* address = dlsym(module, name);
    if (address == nullptr) {
        const char* error = dlerror();
        LastError() = error != nullptr ? error : "";
    }
    return address;
}

void FreeModule(Module* module)
{
    if (module != nullptr)
        dlclose(module);
}

std::string ModuleError()
{
    return LastError();
}

}  // namespace platform
