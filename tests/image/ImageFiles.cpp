// ImageFiles: the two writers, following each format's published layout.
#include "ImageFiles.h"

#include <stdlib.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

namespace imagetest {

namespace {

// `bytes` bytes of v, most significant first or last.
void Put(std::string& out, uint32_t v, int bytes, bool big_endian)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * (big_endian ? bytes - 1 - i : i))) & 0xff);
}

void Chunk(std::string& out, const std::string& type, const std::string& data)
{
    Put(out, static_cast<uint32_t>(data.size()), 4, true);
    const std::string body = type + data;
    out += body;
    Put(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())), 4,
        true);
}

} // namespace

std::string Png(uint32_t width, uint32_t height, const Pixels& rgba)
{
    std::string raw;
    for (uint32_t y = 0; y < height; ++y)
        raw += '\0' + std::string(reinterpret_cast<const char*>(rgba.data()) + y * width * 4, width * 4);
    uLongf size = compressBound(raw.size());
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
        raw.size());
    packed.resize(size);
    std::string header;
    Put(header, width, 4, true);
    Put(header, height, 4, true);
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter, no interlace
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
    for (uint32_t field : { 54 + row * height, 0u, 54u, 40u, width, height })
        Put(out, field, 4, false);
    Put(out, 1, 2, false); // planes
    Put(out, 24, 2, false); // bits a pixel
    out.append(24, '\0'); // no compression, sizes and palette left to the reader
    for (uint32_t y = height; y-- > 0;) {
        for (uint32_t x = 0; x < width; ++x)
            for (int channel : { 2, 1, 0 })
                out += static_cast<char>(rgba[(y * width + x) * 4 + channel]);
        out.append(row - width * 3, '\0');
    }
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

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
}

} // namespace imagetest
