// What load_memory reads: the block of a full userdata only when it holds the pixels, the block
// of a light userdata as given.
#include <tolua++.h>

#include <cstring>

#include "ScriptFixture.h"
#include "drawing/LuaImage.h"

using ImageBinding = ScriptFixture;

TEST_F(ImageBinding, LoadMemoryReadsAFullUserdataOnlyWhenItHoldsThePixels)
{
    std::memcpy(lua_newuserdata(L, 6), "\x01\x02\x03\x04\x05\x06", 6);
    lua_setglobal(L, "rgb");
    static const uint8_t grey[2] = { 0xff, 0x7f };
    lua_pushlightuserdata(L, const_cast<uint8_t*>(grey));
    lua_setglobal(L, "light");
    ASSERT_EQ("", Run("img = Image() ok = img:load_memory(IMG_FORMAT_R8G8B8, 2, 1, rgb)"));
    EXPECT_TRUE(Boolean("ok"));
    lua_getglobal(L, "img");
    Vorn::Image* image = static_cast<LuaImage*>(tolua_tousertype(L, -1, nullptr))->image();
    lua_pop(L, 1);
    EXPECT_EQ(0, std::memcmp(image->Pixels(), "\x03\x02\x01\xff\x06\x05\x04\xff", 8));
    // Three pixels, or four of four bytes, are more than the block holds: nothing is read.
    ASSERT_EQ("",
        Run("a = img:load_memory(IMG_FORMAT_R8G8B8, 3, 1, rgb)"
            " b = img:load_memory(IMG_FORMAT_A8R8G8B8, 2, 2, rgb)"
            " c = img:load_memory(IMG_FORMAT_L8A8, -1, 1, rgb)"));
    EXPECT_FALSE(Boolean("a") || Boolean("b") || Boolean("c"));
    EXPECT_EQ(2u, image->Width());
    ASSERT_EQ("", Run("ok = img:load_memory(IMG_FORMAT_L8A8, 1, 1, light)"));
    EXPECT_TRUE(Boolean("ok"));
    EXPECT_EQ(0, std::memcmp(image->Pixels(), "\x7f\x7f\x7f\xff", 4));
}
