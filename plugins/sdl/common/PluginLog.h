// PluginLog: the plugins' diagnostic lines. Plugins do not link the engine library, so they write
// where its log does themselves: standard error and the end of vorn.log in the current directory
// (which the engine keeps open for appending), each line naming its plugin ("[VornDX8] ...").
#pragma once

#include <cstdarg>
#include <cstdio>

namespace sdlplugin {

// printf-style; `plugin` names the module, the text ends without a newline.
inline void __attribute__((format(printf, 2, 3))) Log(const char* plugin, const char* format, ...)
{
    char line[1024];
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fprintf(stderr, "[%s] %s\n", plugin, line);
    if (std::FILE* file = std::fopen("vorn.log", "a")) {
        std::fprintf(file, "[%s] %s\n", plugin, line);
        std::fclose(file);
    }
}

} // namespace sdlplugin
