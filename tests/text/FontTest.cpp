// Fonts: faces loaded from files and from installed families, sizes in pixels, and the loads
// that fail without losing the face already there.
#include <gtest/gtest.h>

#include <Vorn/core/Ref.h>
#include <Vorn/text/Font.h>

#include <fstream>
#include <iterator>

#include "ImageFiles.h"
#include "TextFonts.h"

namespace {

Vorn::Ref<Vorn::Font> NewFont()
{
    return Vorn::Ref<Vorn::Font>(new Vorn::Font(nullptr));
}

} // namespace

TEST(Font, SizesArePixelsAndTheLineHeightFollowsThem)
{
    auto small = NewFont();
    auto large = NewFont();
    EXPECT_FALSE(small->IsLoaded());
    ASSERT_TRUE(small->LoadFile(texttest::kDejaVuSans, 20));
    ASSERT_TRUE(large->LoadFile(texttest::kDejaVuSans, 40));
    EXPECT_EQ(20u, small->GetSize());
    EXPECT_EQ(40u, large->GetSize());
    // A line is taller than the em (ascenders, descenders and a gap) but not twice as tall.
    EXPECT_GT(small->GetHeight(), 20u);
    EXPECT_LT(small->GetHeight(), 40u);
    EXPECT_NEAR(2.0 * small->GetHeight(), large->GetHeight(), 1.0);
    EXPECT_NEAR(2.0 * small->GetWidth("Vorn"), large->GetWidth("Vorn"), 1.0);
}

TEST(Font, BadFilesAndSizesFailAndKeepTheFaceThere)
{
    imagetest::TempDir dir;
    std::ifstream in(texttest::kDejaVuSans, std::ios::binary);
    const std::string font((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(font.size(), 4096u);
    auto f = NewFont();
    ASSERT_TRUE(f->LoadFile(texttest::kDejaVuSans, 16));
    const uint32_t width = f->GetWidth("Vorn");
    for (const std::string& path :
        { dir.Path("missing.ttf"), dir.Write("empty.ttf", ""),
            dir.Write("truncated.ttf", font.substr(0, 2048)), dir.Write("text.ttf", "not a font, only words"),
            dir.Write("image.ttf", imagetest::Png(1, 1, { 1, 2, 3, 4 })), dir.Path(""), std::string() })
        EXPECT_FALSE(f->LoadFile(path.c_str(), 30)) << path;
    EXPECT_FALSE(f->LoadFile(nullptr, 30));
    EXPECT_FALSE(f->LoadFile(texttest::kDejaVuSans, 0));
    EXPECT_FALSE(f->LoadFile(texttest::kDejaVuSans, Vorn::Font::kMaxSize + 1));
    EXPECT_FALSE(f->LoadSystem("No Such Family Anywhere", 30));
    EXPECT_TRUE(f->IsLoaded());
    EXPECT_EQ(16u, f->GetSize());
    EXPECT_EQ(width, f->GetWidth("Vorn"));
}

TEST(Font, InstalledFamiliesAreFoundByNameOrByGenericAlias)
{
    auto f = NewFont();
    ASSERT_TRUE(f->LoadFile(texttest::kDejaVuSans, 24));
    const uint32_t dejavu = f->GetWidth("Family");
    for (const char* name : { "DejaVu Sans", "dejavu sans", "DejaVuSans" }) {
        auto found = NewFont();
        ASSERT_TRUE(found->LoadSystem(name, 24)) << name;
        EXPECT_EQ(dejavu, found->GetWidth("Family")) << name << " is DejaVu Sans";
    }
    auto sans = NewFont();
    EXPECT_TRUE(sans->LoadSystem("sans-serif", 24));
    auto mono = NewFont();
    ASSERT_TRUE(mono->LoadSystem("monospace", 24));
    EXPECT_EQ(mono->GetWidth("iii"), mono->GetWidth("WWW")) << "a monospace face";
    EXPECT_FALSE(NewFont()->LoadSystem("DejaVu", 24)) << "part of a family name names no family";
}

TEST(Font, ReleaseDropsTheFace)
{
    auto f = NewFont();
    EXPECT_FALSE(f->Release()) << "no face to drop";
    ASSERT_TRUE(f->LoadSystem("DejaVu Sans", 12));
    EXPECT_TRUE(f->Release());
    EXPECT_FALSE(f->IsLoaded());
    EXPECT_EQ(0u, f->GetSize());
    EXPECT_EQ(0u, f->GetHeight());
    EXPECT_EQ(0u, f->GetWidth("text"));
    EXPECT_FALSE(f->Release());
}
