// Font: loading faces by file or family, measuring and shaping with the loaded one.
#include "Vorn/text/Font.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

#include "Vorn/core/Log.h"
#include "Vorn/text/FontFace.h"
#include "Vorn/text/FontMatch.h"

namespace Vorn {

Font::Font(IVideo* video)
    : video_(video)
{
}

Font::~Font() = default;

bool Font::Use(const char* path, long index, uint32_t size, const char* what)
{
    if (size == 0 || size > kMaxSize) {
        Log::Output(
            "text: cannot load font [%s]: size %u is not between 1 and %u pixels\n", what, size, kMaxSize);
        return false;
    }
    std::string error;
    std::shared_ptr<const FontFace> face;
    try {
        face = FontFace::Open(path, index, error);
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (face == nullptr) {
        Log::Output("text: cannot load font [%s]: %s\n", what, error.c_str());
        return false;
    }
    face_ = std::move(face);
    size_ = size;
    return true;
}

bool Font::LoadFile(const char* filename, uint32_t size)
{
    if (filename == nullptr || *filename == '\0') {
        Log::Output("text: cannot load a font without a file name\n");
        return false;
    }
    return Use(filename, 0, size, filename);
}

bool Font::LoadSystem(const char* name, uint32_t size)
{
    std::string path;
    long index = 0;
    bool found = false;
    try {
        found = FindSystemFont(name, path, index);
    } catch (const std::exception&) {
        found = false;
    }
    if (!found) {
        Log::Output("text: no installed font family matches [%s]\n", name != nullptr ? name : "");
        return false;
    }
    return Use(path.c_str(), index, size, name);
}

bool Font::Release()
{
    if (face_ == nullptr)
        return false;
    face_.reset();
    size_ = 0;
    return true;
}

uint32_t Font::GetHeight() const
{
    if (face_ == nullptr)
        return 0;
    return static_cast<uint32_t>(
        std::lround(static_cast<double>(face_->LineSpacing()) * size_ / face_->UnitsPerEm()));
}

bool Font::Shape(const char* text, ShapedLine& out) const
{
    if (face_ == nullptr || text == nullptr) {
        out.glyphs.clear();
        out.advance = 0.0f;
        out.ink = Bounds();
        return false;
    }
    ShapeLine(*face_, static_cast<float>(size_), text, out);
    return true;
}

uint32_t Font::GetWidth(const char* text) const
{
    try {
        if (!Shape(text, measured_))
            return 0;
    } catch (const std::exception&) {
        return 0;
    }
    return static_cast<uint32_t>(std::lround(std::max(0.0f, measured_.advance)));
}

} // namespace Vorn
