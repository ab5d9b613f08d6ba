// FuzzSettings: the settings reader on any settings.ini: the three plugin keys the host reads,
// into a buffer of the host's size and into a tiny one.
#include <cstdint>

#include "FuzzInput.h"
#include "platform/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzzing::WriteInput(data, size, ".ini");
    char value[260];
    char tiny[2];
    for (const char* section : { "video", "input", "audio" }) {
        platform::ReadProfileString(
            section, "plugin", "Plugins\\VornDX8.dll", value, sizeof value, path.c_str());
        platform::ReadProfileString(section, "plugin", "", tiny, sizeof tiny, path.c_str());
    }
    return 0;
}
