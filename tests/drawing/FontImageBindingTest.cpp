// What the Font and Image calls do to the engine objects behind them: load_memory reads a full
// userdata's block only when it holds the pixels (a light userdata is trusted), and set_font
// hands the canvas the font with the colour and alpha of the form used.
#include <tolua++.h>

#include <Vorn/draw/Canvas.h>

#include <cstring>
#include <string>
#include <vector>

#include "ScriptFixture.h"
#include "drawing/LuaCanvas.h"
#include "drawing/LuaImage.h"

namespace {

class FontImageBinding : public ScriptFixture {
protected:
    // A full userdata holding `bytes`, as the global `name`.
    void Block(const char* name, const std::vector<uint8_t>& bytes)
    {
        void* block = lua_newuserdata(L, bytes.size());
        std::memcpy(block, bytes.data(), bytes.size());
        lua_setglobal(L, name);
    }
    template <class T> T* Global(const char* name)
    {
        lua_getglobal(L, name);
        auto* object = static_cast<T*>(tolua_tousertype(L, -1, nullptr));
        lua_pop(L, 1);
        return object;
    }
};

} // namespace

TEST_F(FontImageBinding, LoadMemoryReadsAFullUserdataOnlyWhenItHoldsThePixels)
{
    Block("rgb", { 1, 2, 3, 4, 5, 6 });
    ASSERT_EQ("", Run("img = Image() ok = img:load_memory(IMG_FORMAT_R8G8B8, 2, 1, rgb)"));
    EXPECT_TRUE(Boolean("ok"));
    Vorn::Image* image = Global<LuaImage>("img")->image();
    ASSERT_EQ(2u, image->Width());
    EXPECT_EQ(0, std::memcmp(image->Pixels(), "\x03\x02\x01\xff\x06\x05\x04\xff", 8));
    // Two pixels' worth read as three, or as a 2x2 of four bytes a pixel: too small, nothing read.
    ASSERT_EQ("",
        Run("a = img:load_memory(IMG_FORMAT_R8G8B8, 3, 1, rgb)"
            " b = img:load_memory(IMG_FORMAT_A8R8G8B8, 2, 2, rgb)"
            " c = img:load_memory(IMG_FORMAT_L8A8, -1, 1, rgb)"));
    EXPECT_FALSE(Boolean("a"));
    EXPECT_FALSE(Boolean("b"));
    EXPECT_FALSE(Boolean("c")) << "a negative size is a huge one";
    EXPECT_EQ(2u, image->Width());
    // A light userdata's size is unknown: its pixels are read as given.
    static const uint8_t grey[2] = { 0xff, 0x7f };
    lua_pushlightuserdata(L, const_cast<uint8_t*>(grey));
    lua_setglobal(L, "light");
    ASSERT_EQ("", Run("ok = img:load_memory(IMG_FORMAT_L8A8, 1, 1, light)"));
    EXPECT_TRUE(Boolean("ok"));
    EXPECT_EQ(0, std::memcmp(image->Pixels(), "\x7f\x7f\x7f\xff", 4));
}

TEST_F(FontImageBinding, SetFontHandsTheCanvasTheFontColourAndAlphaOfItsForm)
{
    ASSERT_EQ("",
        Run("f = Font('/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf', 12) c = Canvas()"
            " c:set_font(f, RED, 0.25) c:set_font(f)"));
    Vorn::Canvas* canvas = Global<LuaCanvas>("c")->canvas();
    ASSERT_NE(nullptr, canvas->TextFont());
    EXPECT_TRUE(canvas->TextFont()->IsLoaded());
    EXPECT_EQ(255, canvas->TextColor().r) << "the font alone keeps the colour";
    EXPECT_EQ(0.25f, canvas->TextAlpha()) << "and the alpha";
    ASSERT_EQ("", Run("c:set_font(f, BLUE) c:move_to(3, 4) c:write('Vorn')"));
    EXPECT_EQ(255, canvas->TextColor().b);
    EXPECT_EQ(0.25f, canvas->TextAlpha()) << "font and colour keep the alpha";
    EXPECT_EQ(1u, canvas->OperationCount());
    EXPECT_NEAR(3.0 + canvas->TextFont()->GetWidth("Vorn"), canvas->current.x, 0.5);
}
