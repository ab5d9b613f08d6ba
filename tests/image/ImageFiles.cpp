// ImageFiles: the three writers, following each format's published layout.
#include "ImageFiles.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace imagetest {

namespace {

void Put32be(std::string& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xff);
}

void PutLe(std::string& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xff);
}

void Chunk(std::string& out, const char* type, const std::string& data)
{
    Put32be(out, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    Put32be(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
}

} // namespace

std::string Png(uint32_t width, uint32_t height, const Pixels& rgba)
{
    std::string raw;
    for (uint32_t y = 0; y < height; ++y) {
        raw += '\0'; // filter: none
        raw.append(reinterpret_cast<const char*>(rgba.data()) + y * width * 4, width * 4);
    }
    uLongf size = compressBound(raw.size());
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
        raw.size());
    packed.resize(size);
    std::string header;
    Put32be(header, width);
    Put32be(header, height);
    header += std::string("\x08\x06\x00\x00\x00", 5); // depth 8, RGBA, deflate, no filter, no interlace
    std::string out = "\x89PNG\r\n\x1a\n";
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", "");
    return out;
}

std::string Bmp(uint32_t width, uint32_t height, const Pixels& rgba)
{
    const uint32_t row = (width * 3 + 3) / 4 * 4;
    std::string out = "BM";
    PutLe(out, 54 + row * height, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4); // pixel data offset
    PutLe(out, 40, 4); // BITMAPINFOHEADER
    PutLe(out, width, 4);
    PutLe(out, height, 4); // positive: bottom row first
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLe(out, i == 1 ? row * height : 0, 4);
    for (uint32_t y = height; y-- > 0;) {
        for (uint32_t x = 0; x < width; ++x) {
            const uint8_t* p = &rgba[(y * width + x) * 4];
            out += { static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0]) };
        }
        out.append(row - width * 3, '\0');
    }
    return out;
}

std::string Tga(uint32_t width, uint32_t height, const Pixels& rgba)
{
    std::string out("\0\0\x02\0\0\0\0\0\0\0\0\0", 12); // no id, no palette, uncompressed true colour
    PutLe(out, width, 2);
    PutLe(out, height, 2);
    out += "\x20\x28"; // 32 bits; 8 alpha bits, top-left origin
    for (size_t i = 0; i < rgba.size(); i += 4)
        out += { static_cast<char>(rgba[i + 2]), static_cast<char>(rgba[i + 1]), static_cast<char>(rgba[i]),
            static_cast<char>(rgba[i + 3]) };
    return out;
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Path(const std::string& name) const
{
    return path_ + "/" + name;
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
}

} // namespace imagetest
