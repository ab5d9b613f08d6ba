// FontFace: one loaded typeface, shared by the Font that loaded it and by every canvas operation
// that wrote text with it, so written text keeps its glyphs when the font is unloaded or loads
// another face. It holds the FreeType face and two views of it: HarfBuzz's, for shaping in design
// units, and cairo's, for drawing the outlines at any scale. Needs FreeType, HarfBuzz and cairo-ft.
#pragma once

#include <memory>
#include <string>

typedef struct FT_FaceRec_* FT_Face;
typedef struct hb_font_t hb_font_t;
typedef struct hb_buffer_t hb_buffer_t;
typedef struct _cairo_font_face cairo_font_face_t;

namespace Vorn {

class FontFace {
public:
    // Opens face `index` of a font file. Only scalable faces (outlines) open. Null, with the reason
    // in `error`, when the file is missing, unreadable, not a font or holds only bitmaps.
    static std::shared_ptr<const FontFace> Open(const char* path, long index, std::string& error);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Design units per em: glyph positions and metrics come in these.
    int UnitsPerEm() const { return units_per_em_; }
    // The distance from one baseline to the next (ascender - descender + line gap), design units.
    int LineSpacing() const { return line_spacing_; }

    // HarfBuzz's font, at a scale of one design unit per unit.
    hb_font_t* Shaping() const { return shaping_; }
    // A buffer shaping reuses, so writing text allocates nothing once it has grown.
    hb_buffer_t* Buffer() const { return buffer_; }
    // cairo's font face for the same FreeType face, loading outlines unhinted so that glyphs keep
    // their shape at every scale.
    cairo_font_face_t* Drawing() const { return drawing_; }

private:
    FontFace() = default;

    FT_Face face_ = nullptr;
    hb_font_t* shaping_ = nullptr;
    hb_buffer_t* buffer_ = nullptr;
    cairo_font_face_t* drawing_ = nullptr;
    int units_per_em_ = 0;
    int line_spacing_ = 0;
};

} // namespace Vorn
