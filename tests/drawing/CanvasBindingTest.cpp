// What the Canvas, LinearGradient and Clipper calls do to the engine objects behind them: relative
// moves from the path's current point, the one-argument forms keeping what they omit, shapes of
// the given sizes centred on the pen, and the gradient and image the canvas is handed.
#include <tolua++.h>

#include <Vorn/draw/Canvas.h>

#include <cstring>
#include <string>

#include "ScriptFixture.h"
#include "drawing/LuaCanvas.h"
#include "drawing/LuaImage.h"
#include "drawing/LuaLinearGradient.h"
#include "scene/LuaClipper.h"

namespace {

class CanvasBinding : public ScriptFixture {
protected:
    template <class T> T* Global(const char* name, const char* type)
    {
        lua_getglobal(L, name);
        auto* object = static_cast<T*>(tolua_tousertype(L, -1, nullptr));
        lua_pop(L, 1);
        EXPECT_TRUE(object != nullptr) << name << " is no " << type;
        return object;
    }
    Vorn::Canvas* Canvas(const char* name) { return Global<LuaCanvas>(name, "LuaCanvas")->canvas(); }
    // The error a chunk raises, without its position.
    std::string ErrorOf(const char* chunk)
    {
        const std::string error = Run(chunk);
        const size_t colon = error.find(": ");
        return colon == std::string::npos ? error : error.substr(colon + 2);
    }
};

} // namespace

TEST_F(CanvasBinding, RelativeMovesStartFromThePathsCurrentPoint)
{
    for (const char* cls : { "Canvas", "Clipper" }) {
        const std::string make = std::string("o = ") + cls + "()";
        ASSERT_EQ("", Run(make.c_str()));
        lua_getglobal(L, "o");
        auto* path = static_cast<LuaPath*>(tolua_tousertype(L, -1, nullptr));
        lua_pop(L, 1);
        Vorn::IPath* engine = std::string(cls) == "Canvas"
            ? static_cast<Vorn::IPath*>(static_cast<LuaCanvas*>(path)->canvas())
            : static_cast<LuaClipper*>(path)->clipper();
        ASSERT_EQ("", Run("o:move_to(5, 5) o:rel_line_to(10, 0)"));
        EXPECT_EQ(15.0f, engine->current.x) << cls;
        EXPECT_EQ(5.0f, engine->current.y) << cls;
        // A circle leaves the pen at its centre; closing a path returns it to the sub-path's start.
        ASSERT_EQ("", Run("o:circle(3) o:rel_move_to(Point(1, -2))"));
        EXPECT_EQ(16.0f, engine->current.x) << cls;
        EXPECT_EQ(3.0f, engine->current.y) << cls;
        ASSERT_EQ("", Run("o:rel_line_to(Point(4, 0)) o:close_path() o:rel_move_to(0.5, 0.25)"));
        EXPECT_EQ(16.5f, engine->current.x) << cls;
        EXPECT_EQ(3.25f, engine->current.y) << cls;
    }
}

TEST_F(CanvasBinding, ShorterStyleFormsKeepWhatTheyOmit)
{
    ASSERT_EQ("",
        Run("c = Canvas() c:set_fill_style(RED, 0.5) c:set_fill_style(BLUE)"
            " c:set_line_style(3, GREEN, 0.25) c:set_line_style(7)"));
    Vorn::Canvas* canvas = Canvas("c");
    EXPECT_EQ(255, canvas->fill_color.b);
    EXPECT_EQ(0, canvas->fill_color.r);
    EXPECT_EQ(0.5f, canvas->fill_alpha) << "colour only keeps the fill alpha";
    EXPECT_EQ(7.0f, canvas->line_width);
    EXPECT_EQ(128, canvas->LineColor().g) << "width only keeps the line colour";
    EXPECT_EQ(0.25f, canvas->LineAlpha()) << "width only keeps the line alpha";
    ASSERT_EQ("", Run("c:set_line_style(2, RED)"));
    EXPECT_EQ(255, canvas->LineColor().r);
    EXPECT_EQ(0.25f, canvas->LineAlpha()) << "width and colour keep the line alpha";
    ASSERT_EQ("", Run("RED.green = 9 c:set_fill_style(RED, 1)"));
    EXPECT_EQ(9, canvas->fill_color.g) << "the colour is copied when set";
    ASSERT_EQ("", Run("RED.green = 0"));
    EXPECT_EQ(9, canvas->fill_color.g);
}

TEST_F(CanvasBinding, CirclesAndSquaresHaveTheirSizes)
{
    ASSERT_EQ(
        "", Run("c = Canvas() c:move_to(10, 0) c:circle(4) c:fill() c:move_to(-10, 0) c:square(6) c:fill()"));
    EXPECT_EQ(Vorn::Bounds(-13, -4, 14, 4), Canvas("c")->GetBounds());
}

TEST_F(CanvasBinding, TheCanvasFillsWithTheGradientObjectItWasGiven)
{
    const long live = Vorn::Node::LiveCount();
    ASSERT_EQ(
        "", Run("g = LinearGradient() g:stop_point1(Point(1, 2), RED) c = Canvas() c:set_fill_style(g)"));
    Vorn::LinearGradient* gradient = Global<LuaLinearGradient>("g", "LuaLinearGradient")->gradient();
    Vorn::Canvas* canvas = Canvas("c");
    EXPECT_EQ(gradient, canvas->FillGradientStyle());
    EXPECT_EQ(1.0f, gradient->GetBegin().x);
    EXPECT_EQ(2.0f, gradient->GetBegin().y);
    EXPECT_EQ(255, gradient->GetBegin().color.r);
    EXPECT_EQ(1.0f, gradient->GetBegin().alpha) << "alpha defaults to 1";
    ASSERT_EQ("", Run("g:stop_point2(3, 4, BLUE, 0.5)"));
    EXPECT_EQ(0.5f, gradient->GetEnd().alpha);
    EXPECT_EQ(255, gradient->GetEnd().color.b);
    // The script drops its gradient: the canvas keeps it.
    ASSERT_EQ("", Run("g = nil collectgarbage() collectgarbage()"));
    EXPECT_EQ(gradient, canvas->FillGradientStyle());
    EXPECT_EQ(1, gradient->references);
    EXPECT_EQ(nullptr, gradient->owner) << "its wrapper is gone";
    CloseState();
    EXPECT_EQ(live, Vorn::Node::LiveCount()) << "closing the state freed canvas and gradient";
}

TEST_F(CanvasBinding, SetSourceImageTakesTheEngineImage)
{
    ASSERT_EQ("", Run("c = Canvas() img = Image() c:set_source_image(img, 3, 4)"));
    Vorn::Canvas* canvas = Canvas("c");
    EXPECT_EQ(Global<LuaImage>("img", "LuaImage")->image(), canvas->SourceImage());
    EXPECT_EQ("set_source_image: invalid position.", ErrorOf("c:set_source_image(img, nil)"));
}

// What load_memory reads: the block of a full userdata only when it holds the pixels, the block
// of a light userdata as given.
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
