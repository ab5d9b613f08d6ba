// PluginLog: the plugins' diagnostic lines. Plugins do not link the engine library, so they
// write to standard error, each line naming its plugin ("[VornDX8] ...").
#pragma once

#include <cstdarg>
#include <cstdio>

namespace sdlplugin {

// printf-style; `plugin` names the module, the text ends without a newline.
inline void __attribute__((format(printf, 2, 3))) Log(const char* plugin, const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::fprintf(stderr, "[%s] ", plugin);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
}

} // namespace sdlplugin
