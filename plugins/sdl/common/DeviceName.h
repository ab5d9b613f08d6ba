// DeviceName: fills a DeviceInfo's fixed-size name field from a C string, truncating to fit and
// always NUL-terminating; a null source gives the fallback text.
#pragma once

#include <cstring>

#include "contracts/DeviceInfo.h"

namespace sdlplugin {

inline void CopyDeviceName(char (&out)[kDeviceNameSize], const char* name, const char* fallback)
{
    const char* text = (name != nullptr && name[0] != '\0') ? name : fallback;
    std::size_t length = std::strlen(text);
    if (length > kDeviceNameSize - 1) {
        // Cut before a UTF-8 continuation byte so the name stays valid text.
        length = kDeviceNameSize - 1;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
}

// A DeviceInfo with every byte set, so nothing uninitialised crosses the module boundary.
inline DeviceInfo MakeDeviceInfo(
    uint32_t devclass, uint32_t subclass, uint32_t id, const char* name, const char* fallback)
{
    DeviceInfo info;
    std::memset(&info, 0, sizeof info);
    info.devclass = devclass;
    info.subclass = subclass;
    info.id = id;
    CopyDeviceName(info.name, name, fallback);
    return info;
}

} // namespace sdlplugin
