// Log: writes to vorn.log (emptied by Clear) and standard error.
#include "Vorn/core/Log.h"

#include <cstdarg>
#include <cstdio>

namespace Vorn {

namespace {

constexpr const char* kLogFileName = "vorn.log";

// Opened on first use; stays open for the run and is closed by the C library at exit.
std::FILE* LogFile(const char* mode)
{
    static std::FILE* file = nullptr;
    if (mode != nullptr && file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    if (file == nullptr)
        file = std::fopen(kLogFileName, mode != nullptr ? mode : "a");
    return file;
}

}  // namespace

// Emptied, then written only at its end: the plugins append their own lines to the same file.
void Log::Clear()
{
    LogFile("w");
    LogFile("a");
}

void Log::Output(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::va_list copy;
    va_copy(copy, args);
    if (std::FILE* file = LogFile(nullptr)) {
        std::vfprintf(file, format, args);
        std::fflush(file);
    }
    std::vfprintf(stderr, format, copy);
    std::fflush(stderr);
    va_end(copy);
    va_end(args);
}

}  // namespace Vorn
