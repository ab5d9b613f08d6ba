// SdlVideo: the IVideo of the SDL plugin. Devices are SDL's displays; the window comes from the
// runtime (its SDL_Window*) with SetMode, and frames are drawn with that window's renderer.
// Needs SDL2's video subsystem (initialised here, reference-counted by SDL) and SDL2_image.
#pragma once

#include <cstdint>
#include <map>

#include "FrameCapture.h"
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

private:
    bool initialized_ = false;
    bool vsync_ = true;
    std::map<DeviceHandle, int> openDisplays_; // handle -> SDL display index
    DeviceHandle nextHandle_ = 1;
    WindowRenderer renderer_;
    bool hasMode_ = false;
    DisplayMode mode_ {};
    bool inFrame_ = false;
    uint64_t presentedFrames_ = 0;
    FrameCapture capture_;
};

} // namespace sdlvideo
