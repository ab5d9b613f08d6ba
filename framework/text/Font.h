// Font: a typeface at a pixel size that canvases write text with and scripts measure text by.
// A face comes from a TrueType or OpenType file, or from the installed fonts by family name
// (FontMatch.h says how a name is matched). The size is the em height in pixels; text is shaped
// with HarfBuzz (Shaper.h). A failed load leaves the font as it was.
#pragma once

#include <cstdint>
#include <memory>

#include "Vorn/core/Node.h"
#include "Vorn/text/Shaper.h"

class IVideo;

namespace Vorn {

class FontFace;

class Font : public SharedChildNode {
public:
    // Largest size in pixels a face loads at.
    static constexpr uint32_t kMaxSize = 4096;

    // `video` may be null (no video device): text is drawn by canvases, which need no device.
    explicit Font(IVideo* video);
    ~Font() override;

    // Loads the first face of a font file at `size` pixels. False (logged) for a null or missing
    // file, one that is no TrueType or OpenType font, and a size of 0 or above kMaxSize.
    bool LoadFile(const char* filename, uint32_t size);
    // Loads the installed face that best matches the family `name` at `size` pixels. False
    // (logged) when no installed family matches, and for the sizes LoadFile refuses.
    bool LoadSystem(const char* name, uint32_t size);
    // Drops the face (text already written keeps it); size and height go back to 0. False when
    // no face was loaded.
    bool Release();

    // Whether a face is loaded; writing needs one.
    bool IsLoaded() const { return face_ != nullptr; }
    // The shaped advance of one line of UTF-8 text, rounded to whole pixels; 0 without a face or
    // text.
    uint32_t GetWidth(const char* text) const;
    // The line height in pixels (baseline to baseline), rounded; 0 without a face.
    uint32_t GetHeight() const;
    // The size the face was loaded at; 0 without a face.
    uint32_t GetSize() const { return size_; }

    // Shapes one line for writing; false (and `out` emptied) without a face or text.
    bool Shape(const char* text, ShapedLine& out) const;
    // The face text is written with, shared with what is drawn; null without one.
    const std::shared_ptr<const FontFace>& Face() const { return face_; }

    IVideo* Video() const { return video_; }

private:
    bool Use(const char* path, long index, uint32_t size, const char* what);

    IVideo* video_;
    std::shared_ptr<const FontFace> face_;
    uint32_t size_ = 0;
    mutable ShapedLine measured_; // GetWidth's scratch line
};

} // namespace Vorn
