// SdlVideo: the IVideo of the SDL plugin. Devices are SDL's displays; the window comes from the
// runtime (its SDL_Window*) with SetMode, and frames are drawn with that window's renderer.
// Needs SDL2's video subsystem (initialised here, reference-counted by SDL) and SDL2_image.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "FrameCapture.h"
#include "TextureTable.h"
#include "WindowRenderer.h"
#include "contracts/IVideo.h"

namespace sdlvideo {

class SdlVideo final : public IVideo {
public:
    ~SdlVideo() override;

    bool Initialize() override;
    bool Ready() override;
    void Update() override;
    void Shutdown() override;
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override;
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override;
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override;
    void ReleaseDevice(DeviceHandle handle) override;

    bool SetMode(WindowHandle window, const DisplayMode* mode) override;
    bool GetMode(DisplayMode* out) override;
    bool EnumerateModes(const DeviceInfo* info, ModeEnumCallback callback, void* context) override;
    bool BeginFrame() override;
    bool EndFrame() override;
    bool Clear(const Color* color) override;
    uint32_t TextureWidth(TextureHandle texture) override;
    uint32_t TextureHeight(TextureHandle texture) override;
    TextureHandle CreateTexture(uint32_t width, uint32_t height) override;
    bool UpdateTexture(
        TextureHandle texture, const VideoRect* area, const uint8_t* pixels, uint32_t pitch) override;
    void ReleaseTexture(TextureHandle texture) override;
    uint32_t TextureGeneration() override;
    bool DrawTriangles(TextureHandle texture, const VideoVertex* vertices, uint32_t vertexCount,
        const int32_t* indices, uint32_t indexCount, int32_t blend) override;
    bool SetClipRect(const VideoRect* rect) override;
    TextureHandle CreateTarget(uint32_t width, uint32_t height) override;
    bool SetTarget(TextureHandle target) override;
    bool ClearTransparent() override;
    void ForgetWindow(WindowHandle window) override;

private:
    // The renderer of the game window, or null; keeps the texture table on the same renderer.
    SDL_Renderer* Renderer();

    bool initialized_ = false;
    bool vsync_ = true;
    std::map<DeviceHandle, int> openDisplays_; // handle -> SDL display index
    DeviceHandle nextHandle_ = 1;
    WindowRenderer renderer_;
    TextureTable textures_; // declared after the renderer: destroyed first, while it lives
    bool hasMode_ = false;
    DisplayMode mode_ {};
    bool inFrame_ = false;
    std::vector<SDL_Vertex> vertices_; // DrawTriangles' converted vertices, reused
    bool warnedMask_ = false;
    uint64_t presentedFrames_ = 0;
    FrameCapture capture_;
};

} // namespace sdlvideo
