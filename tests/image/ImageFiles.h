// ImageFiles: PNG and BMP files written byte by byte from known pixels (RGBA8 rows, top first),
// so decoding is checked against pixels the test chose, in a folder removed afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace imagetest {

using Pixels = std::vector<uint8_t>;

// PNG, 8-bit RGBA, one zlib-compressed IDAT.
std::string Png(uint32_t width, uint32_t height, const Pixels& rgba);
// BMP, 24 bits (alpha dropped), rows bottom first, each padded to 4 bytes.
std::string Bmp(uint32_t width, uint32_t height, const Pixels& rgba);

class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    // Writes the file and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

} // namespace imagetest
