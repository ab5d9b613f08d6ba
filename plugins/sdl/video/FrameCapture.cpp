// FrameCapture: parsing the frame list and saving a frame with SDL_RenderReadPixels + IMG_SavePNG.
#include "FrameCapture.h"

#include <SDL_image.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "PluginLog.h"

namespace sdlvideo {

namespace {

constexpr const char* kPlugin = "VornDX8";

} // namespace

void FrameCapture::Configure(const char* frames, const char* directory)
{
    frames_.clear();
    directory_ = (directory != nullptr && directory[0] != '\0') ? directory : ".";
    if (frames == nullptr)
        return;
    const char* cursor = frames;
    while (*cursor != '\0') {
        char* end = nullptr;
        errno = 0;
        const unsigned long long value = std::strtoull(cursor, &end, 10);
        if (end == cursor || errno != 0 || value == 0 || (*end != ',' && *end != '\0') || *cursor == '-') {
            sdlplugin::Log(
                kPlugin, "VORN_CAPTURE_FRAMES: ignoring \"%s\" (expected N[,M...], frames from 1)", frames);
            frames_.clear();
            return;
        }
        frames_.push_back(value);
        cursor = (*end == ',') ? end + 1 : end;
    }
    std::sort(frames_.begin(), frames_.end());
}

bool FrameCapture::Wants(uint64_t frame) const
{
    return std::binary_search(frames_.begin(), frames_.end(), frame);
}

bool FrameCapture::Write(SDL_Renderer* renderer, uint64_t frame) const
{
    int width = 0;
    int height = 0;
    if (renderer == nullptr || SDL_GetRendererOutputSize(renderer, &width, &height) != 0 || width <= 0
        || height <= 0)
        return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    if (surface == nullptr) {
        sdlplugin::Log(kPlugin, "frame %llu: cannot make a %dx%d surface: %s",
            static_cast<unsigned long long>(frame), width, height, SDL_GetError());
        return false;
    }
    // The whole output, as the window shows it: read it unscaled, from the window's corner.
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(renderer, &scaleX, &scaleY);
    SDL_RenderSetScale(renderer, 1.0f, 1.0f);
    SDL_RenderSetViewport(renderer, nullptr);
    const bool read
        = SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB24, surface->pixels, surface->pitch)
        == 0;
    SDL_RenderSetScale(renderer, scaleX, scaleY);
    SDL_RenderSetViewport(renderer, nullptr);
    const std::string path = directory_ + "/frame-" + std::to_string(frame) + ".png";
    bool written = false;
    if (!read)
        sdlplugin::Log(kPlugin, "frame %llu: cannot read pixels: %s", static_cast<unsigned long long>(frame),
            SDL_GetError());
    else if (IMG_SavePNG(surface, path.c_str()) != 0)
        sdlplugin::Log(kPlugin, "cannot write %s: %s", path.c_str(), IMG_GetError());
    else
        written = true;
    SDL_FreeSurface(surface);
    return written;
}

} // namespace sdlvideo
