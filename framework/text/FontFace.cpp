// FontFace: opening a face and the three libraries' holds on it. The FreeType face is counted:
// this object, HarfBuzz and cairo each hold a reference, so whichever lets go last frees it (cairo
// may keep a face in its caches after we are done with it).
#include "Vorn/text/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <cairo-ft.h>
#include <hb-ft.h>
#include <hb-ot.h>
#include <hb.h>

#include <string>

namespace Vorn {

namespace {

// One FreeType library for the process, never freed: cairo may drop a cached face at any later
// time, and every face needs its library until then.
FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library made = nullptr;
        return FT_Init_FreeType(&made) == 0 ? made : nullptr;
    }();
    return library;
}

// The key under which cairo keeps its reference to the FreeType face.
const cairo_user_data_key_t kFaceKey {};

void DropFaceReference(void* face)
{
    FT_Done_Face(static_cast<FT_Face>(face));
}

} // namespace

std::shared_ptr<const FontFace> FontFace::Open(const char* path, long index, std::string& error)
{
    FT_Library library = Library();
    if (library == nullptr) {
        error = "FreeType cannot start";
        return nullptr;
    }
    FT_Face face = nullptr;
    const FT_Error code = FT_New_Face(library, path, index, &face);
    if (code != 0) {
        error = code == FT_Err_Cannot_Open_Resource
            ? "cannot open the file"
            : "not a font file (FreeType error " + std::to_string(code) + ")";
        return nullptr;
    }
    // Shaping reads OpenType tables and drawing needs outlines: TrueType and OpenType faces only.
    if (!FT_IS_SFNT(face) || !FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        error = "not a TrueType or OpenType face with outlines";
        return nullptr;
    }

    std::shared_ptr<FontFace> made(new FontFace());
    made->face_ = face; // our own reference, dropped by the destructor from here on
    made->units_per_em_ = face->units_per_EM;
    made->line_spacing_ = face->height;

    hb_face_t* shaping_face = hb_ft_face_create_referenced(face);
    made->shaping_ = hb_font_create(shaping_face);
    hb_face_destroy(shaping_face);
    hb_ot_font_set_funcs(made->shaping_);
    hb_font_set_scale(made->shaping_, made->units_per_em_, made->units_per_em_);
    made->buffer_ = hb_buffer_create();

    cairo_font_face_t* drawing = cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING);
    FT_Reference_Face(face);
    if (cairo_font_face_set_user_data(drawing, &kFaceKey, face, DropFaceReference) != CAIRO_STATUS_SUCCESS) {
        FT_Done_Face(face);
        cairo_font_face_destroy(drawing);
        error = "cairo cannot use the face";
        return nullptr;
    }
    made->drawing_ = drawing;
    if (!hb_buffer_allocation_successful(made->buffer_)
        || cairo_font_face_status(drawing) != CAIRO_STATUS_SUCCESS) {
        error = "out of memory";
        return nullptr;
    }
    return made;
}

FontFace::~FontFace()
{
    hb_buffer_destroy(buffer_);
    hb_font_destroy(shaping_);
    cairo_font_face_destroy(drawing_);
    if (face_ != nullptr)
        FT_Done_Face(face_);
}

} // namespace Vorn
