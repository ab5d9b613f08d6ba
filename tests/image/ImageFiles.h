// ImageFiles: image files written byte by byte from known pixels, so decoding is checked against
// pixels the test chose, not against what some encoder produced. Pixels are RGBA8 rows, top first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace imagetest {

using Pixels = std::vector<uint8_t>;

// PNG, colour type 6 (RGBA, 8 bits), one zlib-compressed IDAT.
std::string Png(uint32_t width, uint32_t height, const Pixels& rgba);
// BMP, 24 bits (alpha dropped), rows bottom first, each padded to 4 bytes.
std::string Bmp(uint32_t width, uint32_t height, const Pixels& rgba);
// TGA, uncompressed true colour, 32 bits, rows top first.
std::string Tga(uint32_t width, uint32_t height, const Pixels& rgba);

// A fresh folder under the system's temporary one, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // Writes `bytes` to the file `name` in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Path(const std::string& name) const;

private:
    std::string path_;
};

} // namespace imagetest
