// What a canvas keeps: operations carry the style they were recorded with, the version follows
// the content (and the gradients and images it uses), paint fills the clip region, Clear lets go
// of everything, and a raster never grows past its limit.
#include <gtest/gtest.h>

#include <Vorn/draw/Canvas.h>
#include <Vorn/draw/Rasterize.h>

#include <limits>

#include "RasterProbe.h"

using namespace drawtest;

namespace {

constexpr Color kRed { 255, 0, 0 };
constexpr Color kBlue { 0, 0, 255 };

void Square(Vorn::Canvas& canvas, float x, float y, float side)
{
    canvas.MoveTo(x, y);
    canvas.Rectangle(side, side);
}

} // namespace

TEST(CanvasContent, OnlyDrawingOperationsChangeTheVersion)
{
    Vorn::Canvas canvas(nullptr);
    Vorn::Raster raster;
    EXPECT_FALSE(canvas.Rasterize(1.0f, raster)) << "a new canvas has nothing to draw";
    const uint64_t empty = canvas.Version();
    Square(canvas, 0, 0, 4);
    EXPECT_EQ(empty, canvas.Version()) << "a path alone is not content";
    canvas.Fill();
    const uint64_t filled = canvas.Version();
    EXPECT_NE(empty, filled);
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    EXPECT_EQ(filled, canvas.Version());
    canvas.Fill(); // the path was consumed: nothing to fill
    EXPECT_EQ(filled, canvas.Version());
    EXPECT_EQ(1u, canvas.OperationCount());
}

TEST(CanvasContent, EachOperationKeepsTheStyleItWasRecordedWith)
{
    Vorn::Canvas canvas(nullptr);
    canvas.fill_color = kRed;
    Square(canvas, -10, 0, 4);
    canvas.Fill();
    canvas.fill_color = kBlue;
    canvas.fill_alpha = 0.5f;
    Square(canvas, 10, 0, 4);
    canvas.Fill();
    // A stroke along y = 20 drawn 2 wide; widening the line afterwards changes nothing drawn.
    canvas.SetLineStyle(2, kRed);
    canvas.MoveTo(-10, 20);
    canvas.LineTo(10, 20);
    canvas.Stroke();
    canvas.line_width = 10;

    Vorn::Raster raster;
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    const Rgba left = At(raster, -10.5, 0.5), right = At(raster, 10.5, 0.5);
    EXPECT_EQ(255, left.r);
    EXPECT_EQ(255, left.a);
    EXPECT_EQ(255, right.b);
    EXPECT_NEAR(128, right.a, 1);
    EXPECT_EQ(255, At(raster, 0.5, 20.5).a);
    EXPECT_EQ(0, At(raster, 0.5, 22.5).a) << "the stroke kept its width of 2";
}

TEST(CanvasContent, PaintWithoutImageFillsTheClipRegion)
{
    // Unclipped: everything the canvas covers.
    Vorn::Canvas open(nullptr);
    Square(open, 0, 0, 10);
    open.Fill();
    open.fill_color = kBlue;
    open.Paint();
    Vorn::Raster raster;
    ASSERT_TRUE(open.Rasterize(1.0f, raster));
    EXPECT_EQ(10u, raster.width);
    ForEachPixel(raster, [](Vec, Rgba px) { ASSERT_EQ(255, px.b); });

    // Clipped to a circle of radius 20: inside it, and nowhere else.
    Vorn::Canvas clipped(nullptr);
    clipped.MoveTo(0, 0);
    clipped.Ellipse(40, 40);
    clipped.Clip();
    clipped.Paint();
    ASSERT_TRUE(clipped.Rasterize(1.0f, raster));
    EXPECT_EQ(40u, raster.width);
    ForEachPixel(raster, [](Vec p, Rgba px) {
        const double r = std::hypot(p.x, p.y);
        if (r < 19) {
            ASSERT_EQ(255, px.a);
        }
        if (r > 21) {
            ASSERT_EQ(0, px.a);
        }
    });
}

TEST(CanvasContent, PaintDrawsALoadedImageAtItsOffsetAndNothingOtherwise)
{
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    Vorn::Canvas canvas(nullptr);
    canvas.SetSourceImage(image.Get(), 10, 20);
    canvas.Paint();
    Vorn::Raster raster;
    EXPECT_FALSE(canvas.Rasterize(1.0f, raster)) << "an image that is not loaded paints nothing";

    // Top-left red, top-right green, bottom-left blue, bottom-right half-transparent white.
    ASSERT_TRUE(
        image->SetPixels(2, 2, { 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128 }));
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster)) << "pixels that arrive later show";
    EXPECT_FLOAT_EQ(10, raster.left);
    EXPECT_FLOAT_EQ(20, raster.top);
    ASSERT_EQ(2u, raster.width);
    ASSERT_EQ(2u, raster.height);
    EXPECT_EQ(255, At(raster, 10.5, 19.5).r);
    EXPECT_EQ(255, At(raster, 11.5, 19.5).g);
    EXPECT_EQ(255, At(raster, 10.5, 18.5).b);
    EXPECT_NEAR(128, At(raster, 11.5, 18.5).a, 1);
    EXPECT_FALSE(image->SetPixels(3, 2, std::vector<uint8_t>(16))) << "sizes that do not match";
}

TEST(CanvasContent, ClearFreesWhatTheContentHeld)
{
    Vorn::Ref<Vorn::LinearGradient> gradient(new Vorn::LinearGradient());
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    Vorn::Canvas canvas(nullptr);
    canvas.SetFillStyle(gradient.Get(), 1.0f);
    canvas.SetSourceImage(image.Get(), 0, 0);
    Square(canvas, 0, 0, 4);
    canvas.FillGradient();
    canvas.Paint();
    Square(canvas, 5, 5, 2); // a path not yet used
    EXPECT_EQ(3, gradient->references) << "ours, the fill style's and the content's";
    EXPECT_EQ(3, image->references);
    const uint64_t drawn = canvas.Version();

    canvas.Clear();
    EXPECT_EQ(2, gradient->references) << "the content let go; the style stays";
    EXPECT_EQ(2, image->references);
    EXPECT_EQ(0u, canvas.OperationCount());
    EXPECT_GT(canvas.Version(), drawn) << "never back to an earlier version";
    Vorn::Raster raster;
    EXPECT_FALSE(canvas.Rasterize(1.0f, raster));
    EXPECT_EQ(0.0f, canvas.current.x);
    canvas.Fill();
    EXPECT_EQ(0u, canvas.OperationCount()) << "the path went with the content";
}

TEST(CanvasContent, HugeContentIsRasterisedAtTheLargestScaleThatFits)
{
    Vorn::Canvas canvas(nullptr);
    Square(canvas, 0, 0, 1e6f);
    canvas.Fill();
    Vorn::Raster raster;
    ASSERT_TRUE(canvas.Rasterize(1.0f, raster));
    EXPECT_LE(raster.width, Vorn::kMaxRasterSide);
    EXPECT_LE(raster.height, Vorn::kMaxRasterSide);
    EXPECT_GT(raster.width, Vorn::kMaxRasterSide / 2);
    EXPECT_NEAR(raster.width / 1e6, raster.scale, 1e-5);
    EXPECT_FALSE(canvas.Rasterize(0.0f, raster));
    EXPECT_FALSE(canvas.Rasterize(std::numeric_limits<float>::quiet_NaN(), raster));
}
