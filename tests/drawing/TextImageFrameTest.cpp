// A painted image and written text on a frame the SDL plugin presented under Xvfb. Expectations
// come from the scene's geometry: the image's pixels at its offset, full-block glyphs from the
// pen (one after the other), and the letter shapes of an Arabic word read right to left.
#include <gtest/gtest.h>

#include "CapturedFrame.h"

namespace {

using scenetest::CapturedFrame;
using scenetest::Near;
using scenetest::Rgb;

// An 8x8 BMP of 4x4 quadrants, red and green on top, blue and white below, written by the script;
// a sprite at the origin paints it with its top-left corner at (-100, 80) and writes three lines
// at size 40: two full blocks (U+2588, from 0.25 em below the baseline to above the capitals, one
// advance wide) in yellow then cyan from (-100, 0); a half-transparent white block from (40, 0);
// alef then beh from (-100, -70).
const char* const kScene = R"(
local function le(n, bytes)
    local s = ""
    for _ = 1, bytes do s = s .. string.char(n % 256) n = math.floor(n / 256) end
    return s
end
local rows = {}
for y = 7, 0, -1 do
    local row = ""
    for x = 0, 7 do
        local top, left = y < 4, x < 4
        row = row .. (top and (left and "\0\0\255" or "\0\255\0") or (left and "\255\0\0" or "\255\255\255"))
    end
    rows[#rows + 1] = row
end
local file = assert(io.open("quad.bmp", "wb"))
file:write("BM" .. le(54 + 192, 4) .. le(0, 4) .. le(54, 4) .. le(40, 4) .. le(8, 4) .. le(8, 4) .. le(1, 2)
    .. le(24, 2) .. le(0, 4) .. le(192, 4) .. le(0, 16) .. table.concat(rows))
file:close()

local s = Sprite(0, 0)
local c = s.canvas
c:set_source_image(Image("quad.bmp"), -100, 80)
c:paint()
local f = Font()
assert(f:load_system("DejaVu Sans", 40))
local block = "\226\150\136"
c:move_to(-100, 0)
c:set_font(f, YELLOW)
c:write(block)
c:set_font(f, CYAN)
c:write(block)
c:move_to(40, 0)
c:set_font(f, WHITE, 0.5)
c:write(block)
c:set_font(f, WHITE, 1)
c:move_to(-100, -70)
c:write("\216\167\216\168")
display:add_child(s)
)";

const CapturedFrame& Frame()
{
    static const vorntest::XServer server;
    static const CapturedFrame frame = CapturedFrame::Of(server, kScene);
    return frame;
}

const Rgb kBlack { 0, 0, 0 };

} // namespace

TEST(TextImageFrame, TheImageShowsItsPixelsWithItsTopLeftCornerAtTheOffset)
{
    const CapturedFrame& frame = Frame();
    ASSERT_TRUE(frame.error.empty()) << frame.error;
    EXPECT_TRUE(Near(frame.At(-98, 78), { 255, 0, 0 }));
    EXPECT_TRUE(Near(frame.At(-94, 78), { 0, 255, 0 }));
    EXPECT_TRUE(Near(frame.At(-98, 74), { 0, 0, 255 }));
    EXPECT_TRUE(Near(frame.At(-94, 74), { 255, 255, 255 }));
    EXPECT_TRUE(Near(frame.At(-101, 78), kBlack));
    EXPECT_TRUE(Near(frame.At(-98, 81), kBlack));
    EXPECT_TRUE(Near(frame.At(-91, 74), kBlack));
}

TEST(TextImageFrame, TextStandsOnItsBaselineAndTheNextWriteStartsWhereTheLastEnded)
{
    const CapturedFrame& frame = Frame();
    ASSERT_TRUE(frame.error.empty()) << frame.error;
    EXPECT_TRUE(Near(frame.At(-90, 20), { 255, 255, 0 }));
    EXPECT_TRUE(Near(frame.At(-90, -6), { 255, 255, 0 })) << "a block reaches below the baseline";
    EXPECT_TRUE(Near(frame.At(-90, -14), kBlack)) << "but not by more than a quarter em";
    EXPECT_TRUE(Near(frame.At(-55, 20), { 0, 255, 255 })) << "the second block follows the first";
    EXPECT_TRUE(Near(frame.At(-30, 20), kBlack));
    EXPECT_TRUE(Near(frame.At(55, 20), { 128, 128, 128 }, 6)) << "alpha 0.5 over black";
}

TEST(TextImageFrame, AnArabicWordRunsRightToLeft)
{
    const CapturedFrame& frame = Frame();
    ASSERT_TRUE(frame.error.empty()) << frame.error;
    // Alef, the first letter, is a tall stroke and shows on the right; beh, low and wide, on the
    // left. Half an em above the baseline only the alef has ink.
    bool leftInk = false, rightInk = false;
    for (float x = -98; x < -80; x += 1)
        leftInk = leftInk || frame.At(x, -50).r > 128;
    for (float x = -70; x < -51; x += 1)
        rightInk = rightInk || frame.At(x, -50).r > 128;
    EXPECT_FALSE(leftInk);
    EXPECT_TRUE(rightInk);
    bool lowInk = false;
    for (float x = -98; x < -70; x += 1)
        lowInk = lowInk || frame.At(x, -66).r > 128;
    EXPECT_TRUE(lowInk) << "the beh's bowl near the baseline";
}
