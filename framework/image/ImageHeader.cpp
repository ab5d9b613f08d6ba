// ImageHeader: fixed header offsets of PNG, BMP, GIF and TGA; JPEG's frame header found by walking
// the marker segments in the file's first 256 KiB.
#include "Vorn/image/ImageHeader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <vector>

namespace Vorn {

namespace {

uint32_t Be16(const uint8_t* p)
{
    return (uint32_t(p[0]) << 8) | p[1];
}
uint32_t Be32(const uint8_t* p)
{
    return (Be16(p) << 16) | Be16(p + 2);
}
uint32_t Le16(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8);
}
uint32_t Le32(const uint8_t* p)
{
    return Le16(p) | (Le16(p + 2) << 16);
}

bool JpegSize(const std::vector<uint8_t>& d, uint32_t& width, uint32_t& height)
{
    size_t at = 2;
    while (at + 9 <= d.size()) {
        if (d[at] != 0xFF)
            return false;
        const uint8_t marker = d[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const bool frame
            = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            height = Be16(&d[at + 5]);
            width = Be16(&d[at + 7]);
            return true;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) { // segments without a length
            at += 2;
            continue;
        }
        at += 2 + Be16(&d[at + 2]);
    }
    return false;
}

} // namespace

bool DeclaredImageSize(const char* path, uint32_t& width, uint32_t& height)
{
    if (path == nullptr)
        return false;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;
    std::vector<uint8_t> d(256 * 1024);
    d.resize(std::fread(d.data(), 1, d.size(), file));
    std::fclose(file);

    static const uint8_t png[] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    if (d.size() >= 24 && std::memcmp(d.data(), png, 8) == 0 && std::memcmp(&d[12], "IHDR", 4) == 0) {
        width = Be32(&d[16]);
        height = Be32(&d[20]);
        return true;
    }
    if (d.size() >= 26 && d[0] == 'B' && d[1] == 'M') {
        const uint32_t header = Le32(&d[14]);
        if (header == 12) { // the old OS/2 header: 16-bit sides
            width = Le16(&d[18]);
            height = Le16(&d[20]);
        } else {
            width = static_cast<uint32_t>(std::abs(static_cast<int64_t>(static_cast<int32_t>(Le32(&d[18])))));
            height
                = static_cast<uint32_t>(std::abs(static_cast<int64_t>(static_cast<int32_t>(Le32(&d[22])))));
        }
        return true;
    }
    if (d.size() >= 10
        && (std::memcmp(d.data(), "GIF87a", 6) == 0 || std::memcmp(d.data(), "GIF89a", 6) == 0)) {
        width = Le16(&d[6]);
        height = Le16(&d[8]);
        return true;
    }
    if (d.size() >= 4 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF)
        return JpegSize(d, width, height);
    const size_t length = std::strlen(path);
    if (d.size() >= 18 && length >= 4 && strcasecmp(path + length - 4, ".tga") == 0) {
        width = Le16(&d[12]);
        height = Le16(&d[14]);
        return true;
    }
    return false;
}

} // namespace Vorn
