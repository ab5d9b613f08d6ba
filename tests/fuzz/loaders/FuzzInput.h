// FuzzInput: the loaders read files, so each fuzz input is written to one file per process first.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace fuzzing {

// Writes the bytes to a file in the temporary folder whose name ends in `extension`; its path.
inline std::string WriteInput(const uint8_t* data, size_t size, const char* extension)
{
    const std::string path = "/tmp/vorn-fuzz-" + std::to_string(getpid()) + extension;
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

} // namespace fuzzing
