// A painted image and written text on a frame the SDL plugin presented under Xvfb. Expectations
// come from the scene's geometry: the image's pixels at its offset, and full-block glyphs from the
// pen, one after the other.
#include <gtest/gtest.h>

#include "CapturedFrame.h"

namespace {

using scenetest::CapturedFrame;
using scenetest::Near;

// The script writes an 8x8 BMP of 4x4 quadrants, red and green on top, blue and white below, and
// paints it with its top-left corner at (-100, 80). At size 40 it writes two full blocks (U+2588:
// from a quarter em below the baseline to above the capitals, one advance wide), yellow then
// cyan, from (-100, 0).
const char* const kScene = R"(
local function le(n, bytes)
    local s = ""
    for _ = 1, bytes do s, n = s .. string.char(n % 256), math.floor(n / 256) end
    return s
end
local below, above = string.rep("\255\0\0", 4) .. string.rep("\255\255\255", 4), string.rep("\0\0\255", 4) .. string.rep("\0\255\0", 4)
local file = assert(io.open("quad.bmp", "wb"))
file:write("BM" .. le(246, 4) .. le(0, 4) .. le(54, 4) .. le(40, 4) .. le(8, 4) .. le(8, 4) .. le(1, 2) .. le(24, 2)
    .. le(0, 24) .. string.rep(below, 4) .. string.rep(above, 4))
file:close()
local s = Sprite(0, 0)
local c = s.canvas
c:set_source_image(Image("quad.bmp"), -100, 80)
c:paint()
local f = Font()
assert(f:load_system("DejaVu Sans", 40))
c:move_to(-100, 0)
c:set_font(f, YELLOW)
c:write("\226\150\136")
c:set_font(f, CYAN)
c:write("\226\150\136")
display:add_child(s)
)";

const CapturedFrame& Frame()
{
    static const vorntest::XServer server;
    static const CapturedFrame frame = CapturedFrame::Of(server, kScene);
    return frame;
}

} // namespace

TEST(TextImageFrame, TheImageShowsItsPixelsWithItsTopLeftCornerAtTheOffset)
{
    const CapturedFrame& frame = Frame();
    ASSERT_TRUE(frame.error.empty()) << frame.error;
    EXPECT_TRUE(Near(frame.At(-98, 78), { 255, 0, 0 }));
    EXPECT_TRUE(Near(frame.At(-94, 78), { 0, 255, 0 }));
    EXPECT_TRUE(Near(frame.At(-98, 74), { 0, 0, 255 }));
    EXPECT_TRUE(Near(frame.At(-94, 74), { 255, 255, 255 }));
    EXPECT_TRUE(Near(frame.At(-101, 78), { 0, 0, 0 }));
    EXPECT_TRUE(Near(frame.At(-98, 81), { 0, 0, 0 }));
}

TEST(TextImageFrame, TextStandsOnItsBaselineAndTheNextWriteStartsWhereTheLastEnded)
{
    const CapturedFrame& frame = Frame();
    ASSERT_TRUE(frame.error.empty()) << frame.error;
    EXPECT_TRUE(Near(frame.At(-90, 20), { 255, 255, 0 }));
    EXPECT_TRUE(Near(frame.At(-90, -6), { 255, 255, 0 })) << "a block reaches below the baseline";
    EXPECT_TRUE(Near(frame.At(-90, -14), { 0, 0, 0 })) << "but not by more than a quarter em";
    EXPECT_TRUE(Near(frame.At(-55, 20), { 0, 255, 255 })) << "the second block follows the first";
    EXPECT_TRUE(Near(frame.At(-30, 20), { 0, 0, 0 }));
}
