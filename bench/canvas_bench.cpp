// canvas_bench: what drawing into a canvas and rasterising it cost. For canvases of 1,000 path
// operations spread over a 640x480 area, prints the time to record them (no pixels are touched)
// and to rasterise the result at scale 1 and 2, best of several runs, beside the 16.7 ms frame.
// Times are the thread's CPU time, so other processes on a busy machine distort them less.
// Usage: canvas_bench [repeats]
#include <Vorn/draw/Canvas.h>
#include <Vorn/draw/Clipper.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "CpuTime.h"

using bench::BestMs;

namespace {

constexpr int kOperations = 1000;

// Deterministic spread of points over 640x480 around the origin.
float Spread(int i, int salt, float range)
{
    const unsigned h = (static_cast<unsigned>(i) * 2654435761u) ^ (static_cast<unsigned>(salt) * 40503u);
    return (static_cast<float>(h % 10007) / 10007.0f - 0.5f) * range;
}

struct Case {
    const char* label;
    std::function<void(Vorn::Canvas&)> draw;
};

// A wave across the area: short segments, as a graph or an outline has.
void WaveLines(Vorn::Canvas& c)
{
    c.SetLineStyle(2, Color { 255, 255, 255 });
    c.MoveTo(-320, 0);
    for (int i = 1; i <= kOperations; ++i) {
        const float x = -320.0f + 640.0f * i / kOperations;
        c.LineTo(x, 200.0f * std::sin(x / 20.0f));
    }
    c.Stroke();
}

void WaveCurves(Vorn::Canvas& c)
{
    c.SetLineStyle(2, Color { 255, 200, 0 });
    c.MoveTo(-320, 0);
    for (int i = 1; i <= kOperations; ++i) {
        const float x = -320.0f + 640.0f * i / kOperations;
        const float y = 200.0f * std::sin(x / 20.0f);
        c.CurveTo(x, y, x - 0.4f, y + 3.0f, x - 0.2f, y - 3.0f);
    }
    c.Stroke();
}

// Hatching: 1,000 separate short strokes (move, line, stroke each).
void Hatching(Vorn::Canvas& c)
{
    c.SetLineStyle(1.5f, Color { 0, 255, 0 });
    for (int i = 0; i < kOperations; ++i) {
        const float x = Spread(i, 1, 600), y = Spread(i, 2, 440);
        c.MoveTo(x, y);
        c.LineTo(x + 12, y + 8);
        c.Stroke();
    }
}

// The worst case: every segment crosses the whole area, so the stroke crosses itself some
// hundred thousand times.
void CrissCross(Vorn::Canvas& c)
{
    c.SetLineStyle(2, Color { 255, 255, 255 });
    c.MoveTo(Spread(0, 1, 640), Spread(0, 2, 480));
    for (int i = 1; i < kOperations; ++i)
        c.LineTo(Spread(i, 1, 640), Spread(i, 2, 480));
    c.Stroke();
}

// Each shape is three calls (move, shape, fill): 1,000 shapes, 1,000 fill operations.
void Circles(Vorn::Canvas& c)
{
    for (int i = 0; i < kOperations; ++i) {
        c.fill_color = Color { static_cast<uint8_t>(i), 128, static_cast<uint8_t>(255 - i) };
        c.MoveTo(Spread(i, 1, 600), Spread(i, 2, 440));
        c.Ellipse(20, 20);
        c.Fill();
    }
}

void GradientRectangles(Vorn::Canvas& c)
{
    Vorn::Ref<Vorn::LinearGradient> g(new Vorn::LinearGradient());
    g->SetBegin({ -320, 0, Color { 255, 0, 0 }, 1 });
    g->SetEnd({ 320, 0, Color { 0, 0, 255 }, 0.5f });
    c.SetFillStyle(g.Get(), 1);
    for (int i = 0; i < kOperations; ++i) {
        c.MoveTo(Spread(i, 1, 600), Spread(i, 2, 440));
        c.Rectangle(24, 16);
        c.FillGradient();
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const Case cases[] = {
        { "wave of 1,000 line_to, one stroke", WaveLines },
        { "wave of 1,000 curve_to, one stroke", WaveCurves },
        { "1,000 short lines, each stroked", Hatching },
        { "1,000 circles, each filled", Circles },
        { "1,000 rectangles, gradient fill", GradientRectangles },
        { "worst: 1,000 line_to criss-crossing", CrissCross },
    };
    std::printf("canvas_bench: CPU time, best of %d; a frame at 60 Hz is 16.7 ms\n", repeats);
    std::printf(
        "%-38s %12s %14s %14s %12s\n", "content", "record (us)", "scale 1 (ms)", "scale 2 (ms)", "raster 1");
    for (const Case& c : cases) {
        const double record = BestMs(repeats, [&] {
            Vorn::Canvas canvas(nullptr);
            c.draw(canvas);
        }) * 1000.0;
        Vorn::Canvas canvas(nullptr);
        c.draw(canvas);
        Vorn::Raster raster;
        const double one = BestMs(repeats, [&] { canvas.Rasterize(1.0f, raster); });
        char size[32];
        std::snprintf(size, sizeof size, "%ux%u", raster.width, raster.height);
        const double two = BestMs(repeats, [&] { canvas.Rasterize(2.0f, raster); });
        std::printf("%-38s %12.1f %14.2f %14.2f %12s\n", c.label, record, one, two, size);
    }

    Vorn::Clipper clipper(nullptr);
    for (int i = 0; i < kOperations; ++i) {
        clipper.MoveTo(Spread(i, 1, 600), Spread(i, 2, 440));
        clipper.Ellipse(20, 20);
        clipper.Fill();
    }
    Vorn::Raster mask;
    const double maskMs = BestMs(repeats, [&] { clipper.Rasterize(1.0f, mask); });
    std::printf("%-38s %12s %14.2f %14s %9ux%u\n", "clipper mask of 1,000 circles", "-", maskMs, "-",
        mask.width, mask.height);
    return 0;
}
