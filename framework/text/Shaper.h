// Shaper: lays out one line of UTF-8 text with a face at a size: the Unicode bidirectional
// algorithm (FriBidi) orders right-to-left and left-to-right runs, HarfBuzz shapes each run
// (kerning, ligatures, joining forms, marks), and the glyphs come out in visual order, left to
// right, with their pen positions. Needs FriBidi and HarfBuzz.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/draw/Bounds.h"

namespace Vorn {

class FontFace;

// One glyph of the face, its origin relative to the line's start on the baseline, in pixels, y up.
struct ShapedGlyph {
    uint32_t index;
    float x;
    float y;
};

struct ShapedLine {
    std::vector<ShapedGlyph> glyphs; // in visual order, left to right
    float advance = 0.0f; // how far the pen moves: the line's width
    Bounds ink; // what the glyphs' outlines cover, relative to the line's start; empty for blanks
};

// Shapes `text` (UTF-8; invalid bytes count as U+FFFD) with `face` at `size` pixels per em into
// `out`, reusing its memory. The line is laid out from its start rightwards whatever its
// direction; a paragraph's direction is that of its first strong character.
void ShapeLine(const FontFace& face, float size, const char* text, ShapedLine& out);

} // namespace Vorn
