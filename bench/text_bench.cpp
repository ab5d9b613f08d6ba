// text_bench: what writing text and painting images cost. Prints, side by side: shaping and
// recording one line (Latin, Arabic) and measuring it; rasterising canvases of 1 and 20 lines at
// scale 1 and 2, the first time (glyph outlines rendered) and again (cairo's glyph cache warm);
// and painting a 256x256 image the first time (premultiplied copy made) and again (copy reused).
// Times are the thread's CPU time, best of several runs. Usage: text_bench [repeats]
#include <Vorn/core/Ref.h>
#include <Vorn/draw/Canvas.h>
#include <Vorn/image/Image.h>
#include <Vorn/text/Font.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "CpuTime.h"

using bench::BestMs;
using bench::CpuMs;

namespace {

const char* const kLatin = "The quick brown fox jumps over the lazy dog: AV To ffi 0123"; // 59 characters
const char* const kArabic
    = "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 \xd8\xa8\xd8\xa7\xd9\x84\xd8\xb9\xd8\xa7\xd9"
      "\x84\xd9\x85 \xd9\x84\xd8\xa7 \xd8\xa8\xd8\xa8"; // 22 characters

// A canvas of `lines` lines of Latin text at 18 pixels, one under the other.
void WriteLines(Vorn::Canvas& canvas, Vorn::Font* font, int lines)
{
    canvas.SetFont(font, Color { 255, 255, 255 }, 1.0f);
    for (int i = 0; i < lines; ++i) {
        canvas.MoveTo(-300, 200 - 21.0f * i);
        canvas.Write(kLatin);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    Vorn::Ref<Vorn::Font> font(new Vorn::Font(nullptr));
    if (!font->LoadSystem("DejaVu Sans", 18)) {
        std::printf("text_bench: DejaVu Sans is not installed\n");
        return 1;
    }
    std::printf("text_bench: CPU time, best of %d; a frame at 60 Hz is 16.7 ms\n\n", repeats);

    constexpr int kWrites = 1000;
    std::printf("%-44s %12s\n", "one line, 18 px", "us per call");
    for (const auto& [label, text] : { std::pair { "write (shape and record), Latin, 59 chars", kLatin },
             std::pair { "write (shape and record), Arabic, 22 chars", kArabic } }) {
        const double ms = BestMs(repeats, [&, text = text] {
            Vorn::Canvas canvas(nullptr);
            canvas.SetFont(font.Get(), Color { 255, 255, 255 }, 1.0f);
            for (int i = 0; i < kWrites; ++i) {
                canvas.MoveTo(0, 0);
                canvas.Write(text);
            }
        });
        std::printf("%-44s %12.1f\n", label, ms * 1000.0 / kWrites);
    }
    const double measure = BestMs(repeats, [&] {
        for (int i = 0; i < kWrites; ++i)
            font->GetWidth(kLatin);
    });
    std::printf("%-44s %12.1f\n\n", "get_width, Latin, 59 chars", measure * 1000.0 / kWrites);

    std::printf(
        "%-26s %10s %12s %12s %12s\n", "rasterise", "size", "first (ms)", "again (ms)", "scale 2 (ms)");
    for (int lines : { 1, 20 }) {
        Vorn::Ref<Vorn::Font> fresh(new Vorn::Font(nullptr)); // a face cairo has not rendered yet
        fresh->LoadSystem("DejaVu Sans", 18);
        Vorn::Canvas canvas(nullptr);
        WriteLines(canvas, fresh.Get(), lines);
        Vorn::Raster raster;
        double start = CpuMs();
        canvas.Rasterize(1.0f, raster);
        const double first = CpuMs() - start;
        const double again = BestMs(repeats, [&] { canvas.Rasterize(1.0f, raster); });
        char size[32];
        std::snprintf(size, sizeof size, "%ux%u", raster.width, raster.height);
        const double two = BestMs(repeats, [&] { canvas.Rasterize(2.0f, raster); });
        std::printf("%-26s %10s %12.2f %12.2f %12.2f\n",
            lines == 1 ? "1 line of 59 chars" : "20 lines of 59 chars", size, first, again, two);
    }

    std::vector<uint8_t> pixels(256 * 256 * 4);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint8_t>(i * 7);
    Vorn::Ref<Vorn::Image> image(new Vorn::Image(nullptr));
    const double load = BestMs(repeats,
        [&] { image->LoadMemory(pixels.data(), Vorn::IMG_FORMAT_A8R8G8B8, 256, 256, pixels.size()); });
    Vorn::Canvas canvas(nullptr);
    canvas.SetSourceImage(image.Get(), 0, 0);
    canvas.Paint();
    Vorn::Raster raster;
    double start = CpuMs();
    canvas.Rasterize(1.0f, raster);
    const double first = CpuMs() - start;
    const double again = BestMs(repeats, [&] { canvas.Rasterize(1.0f, raster); });
    std::printf("\n%-26s %10s %12s %12s\n", "image 256x256", "load (ms)", "first (ms)", "again (ms)");
    std::printf("%-26s %10.2f %12.2f %12.2f\n", "load_memory, then paint", load, first, again);
    return 0;
}
