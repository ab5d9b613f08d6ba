// Module: loading plugin modules (shared libraries) and finding their exported functions.
// Paths may be written the Windows way: see MapModulePath.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// An opaque loaded module.
struct Module;

// The platform's form of a module path: backslashes become slashes and a trailing ".dll" (any
// case) becomes ".so". Anything else is left as it is.
std::string MapModulePath(std::string_view path);

// Loads the module at the (mapped) path, resolved by the system loader's own search rules.
// Null on failure; ModuleError() then says why.
Module* LoadModule(const char* path);
// The address of an exported symbol, or null.
void* FindSymbol(Module* module, const char* name);
// Unloads a module from LoadModule; null is ignored.
void FreeModule(Module* module);
// The loader's text for the last failure ("" when there is none).
std::string ModuleError();

}  // namespace platform
