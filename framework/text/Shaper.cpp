// Shaper: UTF-8 to code points, bidirectional levels, runs of one level and one script in visual
// order, each shaped by HarfBuzz in the face's design units and scaled to pixels.
#include "Vorn/text/Shaper.h"

#include <fribidi.h>
#include <hb.h>

#include <algorithm>
#include <cstring>

#include "Vorn/text/FontFace.h"

namespace Vorn {

namespace {

// Longer lines are cut here: nothing a screen shows needs more, and the bidi indices stay ints.
constexpr size_t kMaxCharacters = 1u << 20;

// Decodes UTF-8; a byte that does not start a valid, shortest-form sequence becomes U+FFFD.
void DecodeUtf8(const char* text, std::vector<uint32_t>& out)
{
    out.clear();
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    const size_t length = std::strlen(text);
    size_t i = 0;
    while (i < length && out.size() < kMaxCharacters) {
        const unsigned char lead = s[i];
        int extra = 0;
        uint32_t code = lead;
        uint32_t least = 0;
        if (lead >= 0xf0 && lead <= 0xf4) {
            extra = 3, code = lead & 0x07, least = 0x10000;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            extra = 2, code = lead & 0x0f, least = 0x800;
        } else if (lead >= 0xc2 && lead <= 0xdf) {
            extra = 1, code = lead & 0x1f, least = 0x80;
        } else if (lead >= 0x80) {
            extra = -1;
        }
        // A sequence cut short counts as one bad character, continuation bytes included.
        size_t used = 1;
        bool good = extra >= 0;
        for (int k = 1; good && k <= extra; ++k) {
            good = i + k < length && (s[i + k] & 0xc0) == 0x80;
            if (good) {
                code = (code << 6) | (s[i + k] & 0x3f);
                ++used;
            }
        }
        good = good && code >= least && code <= 0x10ffff && !(code >= 0xd800 && code <= 0xdfff);
        out.push_back(good ? code : 0xfffd);
        i += used;
    }
}

// A stretch of text with one embedding level and one script, shaped as one HarfBuzz buffer.
struct Run {
    uint32_t start;
    uint32_t length;
    FriBidiLevel level;
    hb_script_t script;
};

// Scratch memory, kept between calls so that shaping allocates nothing once it has grown. Text
// is shaped on the main thread only.
struct Scratch {
    std::vector<uint32_t> chars;
    std::vector<FriBidiCharType> types;
    std::vector<FriBidiBracketType> brackets;
    std::vector<FriBidiLevel> levels;
    std::vector<hb_script_t> scripts;
    std::vector<Run> runs;
};

// Each character's script, with common and inherited ones (spaces, digits, marks) taking the
// script of the text before them, or after them at the start of the line.
void ResolveScripts(Scratch& s)
{
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    s.scripts.resize(s.chars.size());
    hb_script_t last = HB_SCRIPT_INVALID;
    for (size_t i = 0; i < s.chars.size(); ++i) {
        hb_script_t script = hb_unicode_script(unicode, s.chars[i]);
        if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN)
            script = last;
        s.scripts[i] = script;
        if (script != HB_SCRIPT_INVALID)
            last = script;
    }
    hb_script_t next = HB_SCRIPT_COMMON;
    for (size_t i = s.chars.size(); i-- > 0;) {
        if (s.scripts[i] == HB_SCRIPT_INVALID)
            s.scripts[i] = next;
        next = s.scripts[i];
    }
}

// The embedding level of every character (rules P2 to I2, and L1 for the line's trailing blanks).
void ResolveLevels(Scratch& s)
{
    const auto n = static_cast<FriBidiStrIndex>(s.chars.size());
    s.types.resize(s.chars.size());
    s.brackets.resize(s.chars.size());
    s.levels.resize(s.chars.size());
    fribidi_get_bidi_types(s.chars.data(), n, s.types.data());
    fribidi_get_bracket_types(s.chars.data(), n, s.types.data(), s.brackets.data());
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (fribidi_get_par_embedding_levels_ex(s.types.data(), s.brackets.data(), n, &direction, s.levels.data())
        == 0) {
        std::fill(s.levels.begin(), s.levels.end(), FriBidiLevel(0));
        return;
    }
    const FriBidiLevel base = FRIBIDI_DIR_TO_LEVEL(direction);
    for (size_t i = s.chars.size(); i-- > 0 && FRIBIDI_IS_EXPLICIT_OR_BN_OR_WS(s.types[i]);)
        s.levels[i] = base;
}

// Splits into runs of one level and script, then puts them in visual order (rule L2: from the
// highest level down to the lowest odd one, reverse every stretch at that level or above).
void OrderRuns(Scratch& s)
{
    s.runs.clear();
    for (uint32_t i = 0; i < s.chars.size(); ++i) {
        if (!s.runs.empty() && s.runs.back().level == s.levels[i] && s.runs.back().script == s.scripts[i])
            ++s.runs.back().length;
        else
            s.runs.push_back({ i, 1, s.levels[i], s.scripts[i] });
    }
    int highest = 0;
    int lowest_odd = 256;
    for (const Run& run : s.runs) {
        highest = std::max(highest, static_cast<int>(run.level));
        if (run.level % 2 == 1)
            lowest_odd = std::min(lowest_odd, static_cast<int>(run.level));
    }
    for (int level = highest; level >= lowest_odd && level > 0; --level) {
        for (size_t i = 0; i < s.runs.size();) {
            if (s.runs[i].level < level) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < s.runs.size() && s.runs[end].level >= level)
                ++end;
            std::reverse(s.runs.begin() + static_cast<long>(i), s.runs.begin() + static_cast<long>(end));
            i = end;
        }
    }
}

} // namespace

void ShapeLine(const FontFace& face, float size, const char* text, ShapedLine& out)
{
    static Scratch s;
    out.glyphs.clear();
    out.advance = 0.0f;
    out.ink = Bounds();
    DecodeUtf8(text, s.chars);
    if (s.chars.empty())
        return;
    ResolveScripts(s);
    ResolveLevels(s);
    OrderRuns(s);

    const double scale = static_cast<double>(size) / face.UnitsPerEm();
    hb_font_t* font = face.Shaping();
    hb_buffer_t* buffer = face.Buffer();
    double pen = 0.0;
    for (const Run& run : s.runs) {
        hb_buffer_clear_contents(buffer);
        // The whole line is the context, so joining and kerning see across run boundaries.
        hb_buffer_add_utf32(buffer, s.chars.data(), static_cast<int>(s.chars.size()), run.start,
            static_cast<int>(run.length));
        hb_buffer_set_direction(buffer, run.level % 2 == 1 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer, run.script);
        hb_buffer_set_language(buffer, hb_language_get_default());
        hb_shape(font, buffer, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
        for (unsigned i = 0; i < count; ++i) {
            const double x = pen + positions[i].x_offset;
            const double y = positions[i].y_offset;
            out.glyphs.push_back(
                { infos[i].codepoint, static_cast<float>(x * scale), static_cast<float>(y * scale) });
            hb_glyph_extents_t box;
            if (hb_font_get_glyph_extents(font, infos[i].codepoint, &box) && box.width != 0
                && box.height != 0) {
                const double left = x + box.x_bearing;
                const double top = y + box.y_bearing;
                out.ink.Add(static_cast<float>(left * scale), static_cast<float>((top + box.height) * scale));
                out.ink.Add(static_cast<float>((left + box.width) * scale), static_cast<float>(top * scale));
            }
            pen += positions[i].x_advance;
        }
    }
    out.advance = static_cast<float>(pen * scale);
}

} // namespace Vorn
