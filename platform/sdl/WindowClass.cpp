// WindowClass: the registry of window classes by name, compared without regard to ASCII case as
// Windows compares class names.
#include <cstring>
#include <string>
#include <vector>

#include "WindowTable.h"

namespace platform::sdl {

namespace {

struct WindowClass {
    std::string name;
    WindowProc procedure;
};

std::vector<WindowClass>& Classes()
{
    static std::vector<WindowClass> classes;
    return classes;
}

bool SameName(const std::string& a, const char* b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

std::vector<WindowClass>::iterator Lookup(const char* name)
{
    auto& classes = Classes();
    for (auto it = classes.begin(); it != classes.end(); ++it)
        if (SameName(it->name, name))
            return it;
    return classes.end();
}

} // namespace

WindowProc FindClass(const char* name)
{
    if (name == nullptr)
        return nullptr;
    const auto it = Lookup(name);
    return it == Classes().end() ? nullptr : it->procedure;
}

} // namespace platform::sdl

namespace platform {

bool RegisterWindowClass(const char* name, WindowProc procedure)
{
    if (name == nullptr || name[0] == '\0' || procedure == nullptr) {
        sdl::SetLastError(kErrorInvalidParameter);
        return false;
    }
    if (sdl::Lookup(name) != sdl::Classes().end()) {
        sdl::SetLastError(kErrorClassAlreadyExists);
        return false;
    }
    sdl::Classes().push_back({ name, procedure });
    return true;
}

bool UnregisterWindowClass(const char* name)
{
    const auto it = name != nullptr ? sdl::Lookup(name) : sdl::Classes().end();
    if (it == sdl::Classes().end()) {
        sdl::SetLastError(kErrorClassDoesNotExist);
        return false;
    }
    if (sdl::ClassHasWindows(it->name)) {
        sdl::SetLastError(kErrorClassHasWindows);
        return false;
    }
    sdl::Classes().erase(it);
    return true;
}

} // namespace platform
