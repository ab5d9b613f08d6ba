// Fonts: faces from files and installed families, sizes in pixels, loads that fail without
// losing the face there, and shaping (advances, kerning, ligatures, right-to-left runs, bytes
// that are not UTF-8).
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/text/Font.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "ImageFiles.h"

namespace {

// From fonts-dejavu-core (tools/install-deps.sh): Latin and Arabic, kerning and ligatures.
const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kAlef = "\xd8\xa7"; // U+0627, joins only to the letter before it
const char* const kBeh = "\xd8\xa8"; // U+0628, joins on both sides
const char* const kLam = "\xd9\x84"; // U+0644

Vorn::Ref<Vorn::Font> NewFont(const char* file = nullptr, uint32_t size = 40)
{
    Vorn::Ref<Vorn::Font> font(new Vorn::Font(nullptr));
    if (file != nullptr) {
        EXPECT_TRUE(font->LoadFile(file, size));
    }
    return font;
}

// The glyph indices of a line, left to right as they show.
std::vector<uint32_t> Glyphs(const Vorn::Font& font, const std::string& text)
{
    Vorn::ShapedLine line;
    font.Shape(text.c_str(), line);
    std::vector<uint32_t> indices;
    for (const Vorn::ShapedGlyph& glyph : line.glyphs)
        indices.push_back(glyph.index);
    return indices;
}

} // namespace

TEST(Font, SizesArePixelsAndReleaseDropsTheFace)
{
    auto small = NewFont(kDejaVuSans, 20);
    auto large = NewFont(kDejaVuSans, 40);
    EXPECT_EQ(20u, small->GetSize());
    // A line is taller than the em (ascenders, descenders and a gap) but not twice as tall.
    EXPECT_GT(small->GetHeight(), 20u);
    EXPECT_LT(small->GetHeight(), 40u);
    EXPECT_NEAR(2.0 * small->GetHeight(), large->GetHeight(), 1.0);
    EXPECT_NEAR(2.0 * small->GetWidth("Vorn"), large->GetWidth("Vorn"), 1.0);
    EXPECT_TRUE(small->Release());
    EXPECT_FALSE(small->IsLoaded());
    EXPECT_EQ(0u, small->GetSize() + small->GetHeight() + small->GetWidth("Vorn"));
    EXPECT_FALSE(small->Release());
}

TEST(Font, BadFilesSizesAndNamesFailAndKeepTheFaceThere)
{
    imagetest::TempDir dir;
    std::ifstream in(kDejaVuSans, std::ios::binary);
    const std::string font((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto f = NewFont(kDejaVuSans, 16);
    const uint32_t width = f->GetWidth("Vorn");
    for (const std::string& path : { dir.Path("missing.ttf"), dir.Write("empty.ttf", ""),
             dir.Write("truncated.ttf", font.substr(0, 2048)),
             dir.Write("text.ttf", "not a font, only words"), dir.Path(""), std::string() })
        EXPECT_FALSE(f->LoadFile(path.c_str(), 30)) << path;
    EXPECT_FALSE(f->LoadFile(nullptr, 30));
    EXPECT_FALSE(f->LoadFile(kDejaVuSans, 0));
    EXPECT_FALSE(f->LoadFile(kDejaVuSans, Vorn::Font::kMaxSize + 1));
    EXPECT_FALSE(f->LoadSystem("No Such Family Anywhere", 30)) << "fontconfig's fallback is not taken";
    EXPECT_FALSE(f->LoadSystem("DejaVu", 30)) << "part of a family name names no family";
    EXPECT_EQ(16u, f->GetSize());
    EXPECT_EQ(width, f->GetWidth("Vorn"));
}

TEST(Font, InstalledFamiliesAreFoundByNameOrByGenericAlias)
{
    const uint32_t dejavu = NewFont(kDejaVuSans, 24)->GetWidth("Family");
    for (const char* name : { "DejaVu Sans", "dejavu sans", "DejaVuSans" }) {
        auto found = NewFont();
        ASSERT_TRUE(found->LoadSystem(name, 24)) << name;
        EXPECT_EQ(dejavu, found->GetWidth("Family")) << name << " is DejaVu Sans";
    }
    EXPECT_TRUE(NewFont()->LoadSystem("sans-serif", 24));
    auto mono = NewFont();
    ASSERT_TRUE(mono->LoadSystem("monospace", 24));
    EXPECT_EQ(mono->GetWidth("iii"), mono->GetWidth("WWW")) << "a monospace face";
}

TEST(Font, ShapingKernsAndJoinsLigatures)
{
    auto f = NewFont(kDejaVuSans);
    EXPECT_GT(f->GetWidth("WWW"), f->GetWidth("iii"));
    EXPECT_LT(f->GetWidth("AV"), f->GetWidth("A") + f->GetWidth("V")) << "kerning";
    const std::string lamAlef = std::string(kLam) + kAlef;
    EXPECT_EQ(1u, Glyphs(*f, lamAlef).size()) << "lam and alef make one ligature";
    EXPECT_LT(f->GetWidth(lamAlef.c_str()), f->GetWidth(kLam) + f->GetWidth(kAlef));
    EXPECT_EQ(0u, f->GetWidth(nullptr));
}

TEST(Font, ArabicRunsRightToLeftInVisualOrder)
{
    auto f = NewFont(kDejaVuSans);
    // Alef then beh: alef does not join forwards, so both keep their lone forms, and read right
    // to left, the first letter shows rightmost.
    const uint32_t alef = Glyphs(*f, kAlef)[0], beh = Glyphs(*f, kBeh)[0];
    const uint32_t x = Glyphs(*f, "x")[0], y = Glyphs(*f, "y")[0], space = Glyphs(*f, " ")[0];
    const std::string word = std::string(kAlef) + kBeh;
    EXPECT_EQ((std::vector<uint32_t> { beh, alef }), Glyphs(*f, word));
    EXPECT_EQ((std::vector<uint32_t> { x, beh, alef, y }), Glyphs(*f, "x" + word + "y")) << "inside Latin";
    EXPECT_EQ((std::vector<uint32_t> { x, space, beh, alef }), Glyphs(*f, word + " x"))
        << "a line that starts right to left puts the Latin word after it at its left end";
    for (uint32_t glyph : Glyphs(*f, std::string(kBeh) + kBeh))
        EXPECT_NE(beh, glyph) << "two behs join: neither keeps its lone form";
}

TEST(Font, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    auto f = NewFont(kDejaVuSans);
    const uint32_t a = Glyphs(*f, "a")[0], b = Glyphs(*f, "b")[0], bad = Glyphs(*f, "\xef\xbf\xbd")[0];
    EXPECT_EQ((std::vector<uint32_t> { a, bad, bad, b }),
        Glyphs(*f,
            "a\xff\xc0"
            "b"));
    EXPECT_EQ((std::vector<uint32_t> { a, bad }), Glyphs(*f, "a\xe2\x82")) << "a sequence cut short is one";
}
