// Shaping: advances that follow the letters, kerning and ligatures, right-to-left runs in visual
// order with their joining forms, and bytes that are not UTF-8.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/text/Font.h>

#include <vector>

#include "TextFonts.h"

namespace {

class Shaping : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(font->LoadFile(texttest::kDejaVuSans, 40)); }

    // The glyph indices of a line, left to right as they show.
    std::vector<uint32_t> Glyphs(const char* text)
    {
        Vorn::ShapedLine line;
        font->Shape(text, line);
        std::vector<uint32_t> indices;
        for (const Vorn::ShapedGlyph& glyph : line.glyphs)
            indices.push_back(glyph.index);
        return indices;
    }
    uint32_t Glyph(const char* letter) { return Glyphs(letter).at(0); }

    Vorn::Ref<Vorn::Font> font { new Vorn::Font(nullptr) };
};

const char* const kAlef = "\xd8\xa7"; // U+0627, joins only to the letter before it
const char* const kBeh = "\xd8\xa8"; // U+0628, joins on both sides
const char* const kLam = "\xd9\x84"; // U+0644

} // namespace

TEST_F(Shaping, WideLettersMeasureWider)
{
    EXPECT_GT(font->GetWidth("WWW"), font->GetWidth("iii"));
    EXPECT_EQ(0u, font->GetWidth(""));
    EXPECT_EQ(0u, font->GetWidth(nullptr));
}

TEST_F(Shaping, KerningAndLigaturesMakePairsNarrowerThanTheirLettersApart)
{
    EXPECT_LT(font->GetWidth("AV"), font->GetWidth("A") + font->GetWidth("V")) << "kerning";
    EXPECT_LT(font->GetWidth("To"), font->GetWidth("T") + font->GetWidth("o")) << "kerning";
    const std::string lamAlef = std::string(kLam) + kAlef;
    EXPECT_EQ(1u, Glyphs(lamAlef.c_str()).size()) << "lam and alef make one ligature";
    EXPECT_LT(font->GetWidth(lamAlef.c_str()), font->GetWidth(kLam) + font->GetWidth(kAlef));
}

TEST_F(Shaping, ArabicRunsRightToLeftWithJoiningForms)
{
    // Alef then beh: alef does not join forwards, so both keep their lone forms; read right to
    // left, the first letter shows rightmost.
    const uint32_t alef = Glyph(kAlef);
    const uint32_t beh = Glyph(kBeh);
    const std::string word = std::string(kAlef) + kBeh;
    EXPECT_EQ((std::vector<uint32_t> { beh, alef }), Glyphs(word.c_str()));
    // Embedded in Latin text the word keeps its order and the Latin around it stays in place.
    const std::string mixed = "x" + word + "y";
    EXPECT_EQ((std::vector<uint32_t> { Glyph("x"), beh, alef, Glyph("y") }), Glyphs(mixed.c_str()));
    // A line that starts right to left reads so as a whole: a Latin word after the Arabic one
    // stays left to right but shows at the line's left end.
    const std::string rtl = word + " x";
    EXPECT_EQ((std::vector<uint32_t> { Glyph("x"), Glyph(" "), beh, alef }), Glyphs(rtl.c_str()));
    // Two behs join: neither shows its lone form.
    const std::string joined = std::string(kBeh) + kBeh;
    for (uint32_t glyph : Glyphs(joined.c_str()))
        EXPECT_NE(beh, glyph);
}

TEST_F(Shaping, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    const uint32_t replacement = Glyph("\xef\xbf\xbd");
    EXPECT_EQ((std::vector<uint32_t> { Glyph("a"), replacement, replacement, Glyph("b") }),
        Glyphs("a\xff\xc0"
               "b"));
    EXPECT_EQ((std::vector<uint32_t> { Glyph("a"), replacement }), Glyphs("a\xe2\x82"));
}
