// BareSdl: the benchmark's yardstick, the same drawing done with bare SDL2: an 800x600 window, an
// accelerated renderer without vsync, and per frame one SDL_RenderGeometry call with a textured
// quad per sprite (a 32x32 anti-aliased disc with alpha, sampled linearly), each sprite moved and
// turned every frame. `empty` draws nothing: a cleared, presented frame.
//   bare_sdl sprites N SECONDS | bare_sdl empty SECONDS   -> prints "frames seconds"
#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kSide = 32;
constexpr int kWarmUpFrames = 10;

struct Sprite {
    float x, y, vx, vy, angle, spin;
};

SDL_Texture* Disc(SDL_Renderer* renderer)
{
    std::vector<uint8_t> pixels(kSide * kSide * 4);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double d = std::hypot(x + 0.5 - kSide / 2.0, y + 0.5 - kSide / 2.0);
            const double coverage = std::fmin(1.0, std::fmax(0.0, kSide / 2.0 - d + 0.5));
            uint8_t* p = &pixels[(y * kSide + x) * 4];
            p[0] = 255, p[1] = 200, p[2] = 80, p[3] = static_cast<uint8_t>(std::lround(coverage * 255));
        }
    SDL_Texture* texture
        = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, kSide, kSide);
    SDL_UpdateTexture(texture, nullptr, pixels.data(), kSide * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    return texture;
}

} // namespace

int main(int argc, char** argv)
{
    const bool empty = argc >= 2 && std::strcmp(argv[1], "empty") == 0;
    const int count = (!empty && argc >= 3) ? std::atoi(argv[2]) : 0;
    const double seconds = std::atof(argv[argc - 1]);
    if (argc < 3 || seconds <= 0) {
        std::fprintf(stderr, "usage: bare_sdl sprites N SECONDS | bare_sdl empty SECONDS\n");
        return 2;
    }
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    SDL_Window* window = SDL_CreateWindow("bare", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (window == nullptr || renderer == nullptr)
        return 1;
    SDL_Texture* texture = Disc(renderer);

    std::mt19937 random(1);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<Sprite> sprites(count);
    for (Sprite& s : sprites)
        s = { unit(random) * kWidth, unit(random) * kHeight, (unit(random) - 0.5f) * 4,
            (unit(random) - 0.5f) * 4, unit(random) * 6.2831853f, (unit(random) - 0.5f) * 0.2f };
    std::vector<SDL_Vertex> vertices(sprites.size() * 4);
    std::vector<int> indices(sprites.size() * 6);
    for (size_t i = 0; i < sprites.size(); ++i) {
        const int base = static_cast<int>(i * 4);
        const int quad[6] = { base, base + 1, base + 2, base, base + 2, base + 3 };
        std::copy(quad, quad + 6, indices.begin() + static_cast<std::ptrdiff_t>(i * 6));
    }
    const SDL_FPoint corners[4] = { { -16, -16 }, { 16, -16 }, { 16, 16 }, { -16, 16 } };
    const SDL_FPoint uvs[4] = { { 0, 0 }, { 1, 0 }, { 1, 1 }, { 0, 1 } };

    using Clock = std::chrono::steady_clock;
    Clock::time_point start;
    long frames = 0;
    for (bool running = true; running;) {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            running = running && event.type != SDL_QUIT;
        for (size_t i = 0; i < sprites.size(); ++i) {
            Sprite& s = sprites[i];
            s.x += s.vx, s.y += s.vy, s.angle += s.spin;
            if (s.x < 0 || s.x > kWidth)
                s.vx = -s.vx;
            if (s.y < 0 || s.y > kHeight)
                s.vy = -s.vy;
            const float c = std::cos(s.angle), n = std::sin(s.angle);
            for (int k = 0; k < 4; ++k) {
                SDL_Vertex& v = vertices[i * 4 + k];
                v.position = { s.x + corners[k].x * c - corners[k].y * n,
                    s.y + corners[k].x * n + corners[k].y * c };
                v.color = { 255, 255, 255, 255 };
                v.tex_coord = uvs[k];
            }
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        if (!sprites.empty())
            SDL_RenderGeometry(renderer, texture, vertices.data(), static_cast<int>(vertices.size()),
                indices.data(), static_cast<int>(indices.size()));
        SDL_RenderPresent(renderer);
        if (++frames == kWarmUpFrames)
            start = Clock::now();
        if (frames > kWarmUpFrames
            && std::chrono::duration<double>(Clock::now() - start).count() >= seconds) {
            std::printf("%ld %.6f\n", frames - kWarmUpFrames,
                std::chrono::duration<double>(Clock::now() - start).count());
            running = false;
        }
    }
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
