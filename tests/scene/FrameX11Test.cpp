// What scenes show, read from frames the SDL plugin presented under Xvfb: every expectation is
// computed from the scene's geometry (positions, sizes, colours and the blend formulas), never
// taken from an earlier picture. One frame per group of checks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CapturedFrame.h"

namespace {

using scenetest::CapturedFrame;
using scenetest::Near;
using scenetest::Rgb;

const Rgb kBlack { 0, 0, 0 };
const Rgb kRed { 255, 0, 0 };
const Rgb kGreen { 0, 255, 0 };

const vorntest::XServer& Server()
{
    static const vorntest::XServer server;
    return server;
}

// Lua: a sprite at (x, y) showing a filled square of `side` in `color`.
std::string Square(const std::string& name, float x, float y, float side, const std::string& color)
{
    return "local " + name + " = Sprite(" + std::to_string(x) + ", " + std::to_string(y) + ")\n" + name
        + ".canvas:set_fill_style(" + color + ")\n" + name + ".canvas:square(" + std::to_string(side) + ")\n"
        + name + ".canvas:fill()\n";
}

class FrameTest : public ::testing::Test {
protected:
    // Captures the scene once per test suite (the frame is shared by the suite's tests).
    static const CapturedFrame& Frame(const std::string& scene)
    {
        static std::string last;
        static CapturedFrame frame;
        if (last != scene) {
            frame = CapturedFrame::Of(Server(), scene);
            last = scene;
        }
        return frame;
    }
};

// y up, clockwise rotation, depth order, tint and alpha, visibility.
const std::string kBasics = Square("up", -120, 80, 20, "RED")
    + "display:add_child(up)\n"
    // A square 30 above its sprite's origin; turned by +90 it lands 30 to the right.
    + "local turned = Sprite(-60, 0)\nturned.canvas:set_fill_style(LIME)\nturned.canvas:move_to(0, 30)\n"
      "turned.canvas:square(10)\nturned.canvas:fill()\nturned.rotation = 90\ndisplay:add_child(turned)\n"
    // Red is deeper (farther back) than green though added later; blue and yellow tie.
    + Square("back", 40, 80, 40, "RED") + Square("front", 60, 80, 40, "LIME") + "back.depth = 1\n"
    + "display:add_child(front)\ndisplay:add_child(back)\n" + Square("first", 40, 20, 40, "BLUE")
    + Square("second", 60, 20, 40, "YELLOW") + "display:add_child(first)\ndisplay:add_child(second)\n"
    + Square("tinted", 120, 80, 30, "WHITE") + "tinted:set_factor(Color(255, 128, 0), 0.5)\n"
    + "display:add_child(tinted)\n"
    // A layer's colour and alpha multiply into its children.
    + "local tinting = Layer(120, 20)\ntinting.color = Color(0, 255, 255)\ntinting.alpha = 0.5\n"
    + Square("inside", 0, 0, 30, "WHITE") + "tinting:add_child(inside)\ndisplay:add_child(tinting)\n"
    + "local hidden = Layer(120, -60)\nhidden.visible = false\n" + Square("under", 0, 0, 30, "WHITE")
    + "hidden:add_child(under)\ndisplay:add_child(hidden)\n";

using Basics = FrameTest;

TEST_F(Basics, YUpClockwiseTurnsDepthOrderTintsAndHiddenLayers)
{
    const CapturedFrame& frame = Frame(kBasics);
    ASSERT_FALSE(frame.Empty()) << frame.error;
    EXPECT_TRUE(Near(frame.At(-120, 80), kRed)) << "y points up";
    EXPECT_TRUE(Near(frame.At(-120, -80), kBlack));
    EXPECT_TRUE(Near(frame.At(-30, 0), kGreen)) << "up turned by +90 points right";
    EXPECT_TRUE(Near(frame.At(-60, 30), kBlack));
    EXPECT_TRUE(Near(frame.At(-90, 0), kBlack));
    EXPECT_TRUE(Near(frame.At(25, 80), kRed));
    EXPECT_TRUE(Near(frame.At(50, 80), kGreen)) << "the deeper red square is behind";
    EXPECT_TRUE(Near(frame.At(50, 20), { 255, 255, 0 })) << "the later of two equal depths is in front";
    EXPECT_TRUE(Near(frame.At(25, 20), { 0, 0, 255 }));
    EXPECT_TRUE(Near(frame.At(120, 80), { 128, 64, 0 })) << "white times (255, 128, 0), half over black";
    EXPECT_TRUE(Near(frame.At(120, 20), { 0, 128, 128 })) << "white times the layer's (0, 255, 255) at 0.5";
    EXPECT_TRUE(Near(frame.At(120, -60), kBlack)) << "a hidden layer hides its children";
}

// The five blend modes (and an unknown one), each with alpha 0.5, over the camera's colour.
const Rgb kBelow { 100, 150, 200 };
const Rgb kColour { 200, 100, 50 };
constexpr double kAlpha = 0.5;

std::string BlendScene()
{
    std::string scene
        = "local camera = Camera()\ncamera.color = Color(100, 150, 200)\ndisplay.camera = camera\n";
    const float xs[] = { -120, -60, 0, 60, 120 };
    for (int mode = 0; mode < 6; ++mode) {
        const std::string name = "mode" + std::to_string(mode);
        const float x = mode < 5 ? xs[mode] : 0.0f;
        const float y = mode < 5 ? 0.0f : 70.0f;
        scene += Square(name, x, y, 30, "WHITE") + name + ":set_factor(Color(200, 100, 50), 0.5)\n" + name
            + ".blending = " + std::to_string(mode < 5 ? mode : 7) + "\ndisplay:add_child(" + name + ")\n";
    }
    return scene;
}

// Each channel of a blend, in 0..255 from 0..1 fractions.
template <typename Formula> Rgb Blend(Formula formula)
{
    auto channel = [&](int below, int colour) {
        const double value = formula(below / 255.0, colour / 255.0);
        return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
    };
    return { channel(kBelow.r, kColour.r), channel(kBelow.g, kColour.g), channel(kBelow.b, kColour.b) };
}

using BlendModes = FrameTest;

TEST_F(BlendModes, EachModeMixesByItsFormulaWithAlphaScalingTheContribution)
{
    const CapturedFrame& frame = Frame(BlendScene());
    ASSERT_FALSE(frame.Empty()) << frame.error;
    const double a = kAlpha;
    EXPECT_TRUE(Near(frame.At(-150, -100), kBelow)) << "the camera's colour fills the background";
    EXPECT_TRUE(Near(frame.At(-120, 0), Blend([a](double d, double c) { return c * a + d * (1 - a); })))
        << "BM_NONE";
    EXPECT_TRUE(Near(frame.At(-60, 0), Blend([a](double, double c) { return c * a; }))) << "BM_SELECT";
    EXPECT_TRUE(Near(frame.At(0, 0), Blend([a](double d, double c) { return d * (c * a + 1 - a); })))
        << "BM_MODULATE";
    EXPECT_TRUE(Near(frame.At(60, 0), Blend([a](double d, double c) { return d + c * a; }))) << "BM_ADD";
    EXPECT_TRUE(Near(frame.At(120, 0), Blend([a](double d, double c) { return d - c * a; })))
        << "BM_SUBTRACT";
    EXPECT_TRUE(Near(frame.At(0, 70), Blend([a](double d, double c) { return c * a + d * (1 - a); })))
        << "an unknown mode draws as BM_NONE";
}

// A layer clipped by a circle, one clipped by a rectangle, a camera moved, turned and scaled.
const std::string kClips = "local round = Layer(-80, 40)\nround.clipper:circle(40)\nround.clipper:fill()\n"
    + Square("big", 0, 0, 200, "WHITE") + "round:add_child(big)\ndisplay:add_child(round)\n"
    + "local boxed = Layer(80, 40)\nboxed.clipper:rectangle(60, 20)\nboxed.clipper:fill()\n"
    + Square("wide", 0, 0, 100, "RED") + "boxed:add_child(wide)\ndisplay:add_child(boxed)\n";

using Clipping = FrameTest;

TEST_F(Clipping, ALayerClippedByACircleShowsOnlyInsideIt)
{
    const CapturedFrame& frame = Frame(kClips);
    ASSERT_FALSE(frame.Empty()) << frame.error;
    const Rgb white { 255, 255, 255 };
    for (float angle = 0; angle < 360; angle += 45) {
        const float c = std::cos(angle * 3.14159265f / 180), s = std::sin(angle * 3.14159265f / 180);
        EXPECT_TRUE(Near(frame.At(-80 + 34 * c, 40 + 34 * s), white)) << "inside at " << angle;
        EXPECT_TRUE(Near(frame.At(-80 + 46 * c, 40 + 46 * s), kBlack)) << "outside at " << angle;
    }
    EXPECT_TRUE(Near(frame.At(80, 40), kRed));
    EXPECT_TRUE(Near(frame.At(80 + 28, 40 + 8), kRed));
    EXPECT_TRUE(Near(frame.At(80 + 32, 40), kBlack)) << "a rectangle clips at its edge";
    EXPECT_TRUE(Near(frame.At(80, 40 + 12), kBlack));
}

// The view is the inverse of the camera's world transform.
const std::string kCamera = "local camera = Camera()\ncamera:set_position(50, 20)\ncamera.rotation = 90\n"
                            "camera:set_scale(2, 2)\ndisplay.camera = camera\n"
    + Square("above", 50, 60, 20, "RED") + Square("right", 90, 20, 20, "LIME")
    + "display:add_child(above)\ndisplay:add_child(right)\n";

using CameraView = FrameTest;

TEST_F(CameraView, AMovedTurnedAndScaledCameraShowsTheSceneThroughItsInverse)
{
    const CapturedFrame& frame = Frame(kCamera);
    ASSERT_FALSE(frame.Empty()) << frame.error;
    // Relative to the camera: `above` at (0, 40), `right` at (40, 0). The view turns them back
    // (counter-clockwise by 90: (x, y) -> (-y, x)) and halves them.
    auto view = [](float dx, float dy) { return std::pair<float, float>(-dy / 2, dx / 2); };
    const auto [ax, ay] = view(0, 40);
    const auto [rx, ry] = view(40, 0);
    EXPECT_TRUE(Near(frame.At(ax, ay), kRed));
    EXPECT_TRUE(Near(frame.At(rx, ry), kGreen));
    EXPECT_TRUE(Near(frame.At(ax + 7, ay), kBlack))
        << "a 20 square shows 10 wide through a camera scaled by 2";
    EXPECT_TRUE(Near(frame.At(0, 0), kBlack)) << "the camera's own place shows what is there";
}

// Split screen: two viewports side by side, each centred on its camera.
const std::string kSplit = "local world = Layer()\n" + Square("left", -1000, 0, 40, "RED")
    + Square("leftside", -1000, 50, 20, "BLUE") + Square("right", 1000, 0, 40, "LIME")
    + Square("rightside", 1100, 0, 20, "YELLOW")
    + "for _, s in ipairs({left, leftside, right, rightside}) do world:add_child(s) end\n"
      "local a = Camera()\na:set_position(-1000, 0)\na.color = Color(0, 0, 80)\nworld:add_child(a)\n"
      "local b = Camera()\nb:set_position(1000, 0)\nb:set_scale(2, 2)\nb.color = Color(80, 0, 0)\n"
      "world:add_child(b)\n"
      "local va = Viewport(0, 0, 160, 240)\nva.camera = a\nlocal vb = Viewport(160, 0, 160, 240)\nvb.camera "
      "= b\n"
      "local screens = Layer()\nscreens:add_child(va)\nscreens:add_child(vb)\ndisplay:add_child(screens)\n";

using SplitScreen = FrameTest;

TEST_F(SplitScreen, TwoViewportsShowTheirCamerasSideBySide)
{
    const CapturedFrame& frame = Frame(kSplit);
    ASSERT_FALSE(frame.Empty()) << frame.error;
    // Left half: centre (-80, 0) is camera a; right half: centre (80, 0) is camera b at half size.
    EXPECT_TRUE(Near(frame.At(-80, 0), kRed));
    EXPECT_TRUE(Near(frame.At(-80, 50), { 0, 0, 255 })) << "above the camera shows above the view's centre";
    EXPECT_TRUE(Near(frame.At(-80, -50), { 0, 0, 80 }));
    EXPECT_TRUE(Near(frame.At(-150, 100), { 0, 0, 80 })) << "a's colour under its view";
    EXPECT_TRUE(Near(frame.At(80, 0), kGreen));
    EXPECT_TRUE(Near(frame.At(80 + 15, 0), { 80, 0, 0 }))
        << "b shows twice as much: the 40 square is 20 wide";
    EXPECT_TRUE(Near(frame.At(80 + 50, 0), { 255, 255, 0 }));
    EXPECT_TRUE(Near(frame.At(-1, 100), { 0, 0, 80 })) << "each view stays in its rectangle";
    EXPECT_TRUE(Near(frame.At(1, 100), { 80, 0, 0 }));
}

// Content scaled up 4 times is rasterised at that scale: its edge stays one pixel wide.
const std::string kSharp = "local disc = Sprite(-80, 40)\ndisc.canvas:circle(10)\ndisc.canvas:fill()\n"
                           "disc:set_scale(4, 4)\ndisplay:add_child(disc)\n";

using Sharpness = FrameTest;

TEST_F(Sharpness, ContentScaledUpFourTimesKeepsAOnePixelEdge)
{
    const CapturedFrame& frame = Frame(kSharp);
    ASSERT_FALSE(frame.Empty()) << frame.error;
    // Along the disc's horizontal diameter, the edge at radius 40: pixels neither inside (white)
    // nor outside (black). Rasterised at scale 1 and magnified, the edge would spread over four.
    int partial = 0;
    for (float x = -80 + 30.5f; x < -80 + 50; x += 1) {
        const int value = frame.At(x, 40.5f).g;
        partial += (value > 25 && value < 230) ? 1 : 0;
    }
    EXPECT_LE(partial, 2);
    EXPECT_TRUE(Near(frame.At(-80 + 38, 40), { 255, 255, 255 }));
    EXPECT_TRUE(Near(frame.At(-80 + 42, 40), kBlack));
}

} // namespace
