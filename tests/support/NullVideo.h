// NullVideo: an in-process IVideo that answers every operation plainly (false, 0 or nothing), for
// unit tests that override only what they look at. Textures keep their sizes, so code that asks
// for them sees a working device.
#pragma once

#include <map>
#include <utility>

#include "contracts/IVideo.h"

namespace vorntest {

class NullVideo : public IVideo {
public:
    bool Initialize() override { return true; }
    bool Ready() override { return true; }
    void Update() override { }
    void Shutdown() override { }
    bool EnumerateDevices(uint32_t, DeviceEnumCallback, void*) override { return false; }
    bool FindDefaultDevice(uint32_t, DeviceInfo*) override { return false; }
    bool OpenDevice(const DeviceInfo*, DeviceHandle*) override { return false; }
    void ReleaseDevice(DeviceHandle) override { }
    bool SetMode(WindowHandle, const DisplayMode*) override { return false; }
    bool GetMode(DisplayMode*) override { return false; }
    bool EnumerateModes(const DeviceInfo*, ModeEnumCallback, void*) override { return false; }
    bool BeginFrame() override { return true; }
    bool EndFrame() override { return true; }
    bool Clear(const Color*) override { return true; }
    uint32_t TextureWidth(TextureHandle texture) override { return Size(texture).first; }
    uint32_t TextureHeight(TextureHandle texture) override { return Size(texture).second; }
    TextureHandle CreateTexture(uint32_t width, uint32_t height) override { return Make(width, height); }
    bool UpdateTexture(TextureHandle texture, const VideoRect*, const uint8_t*, uint32_t) override
    {
        return sizes.count(texture) != 0;
    }
    void ReleaseTexture(TextureHandle texture) override { sizes.erase(texture); }
    uint32_t TextureGeneration() override { return generation; }
    bool DrawTriangles(
        TextureHandle, const VideoVertex*, uint32_t, const int32_t*, uint32_t, int32_t) override
    {
        return true;
    }
    bool SetClipRect(const VideoRect*) override { return true; }
    TextureHandle CreateTarget(uint32_t width, uint32_t height) override { return Make(width, height); }
    bool SetTarget(TextureHandle) override { return true; }
    bool ClearTransparent() override { return true; }
    void ForgetWindow(WindowHandle) override { }

    std::map<TextureHandle, std::pair<uint32_t, uint32_t>> sizes; // live textures and targets
    uint32_t generation = 1;

protected:
    TextureHandle Make(uint32_t width, uint32_t height)
    {
        if (width == 0 || height == 0)
            return 0;
        sizes[next_] = { width, height };
        return next_++;
    }
    std::pair<uint32_t, uint32_t> Size(TextureHandle texture) const
    {
        const auto found = sizes.find(texture);
        return found == sizes.end() ? std::pair<uint32_t, uint32_t> { 0, 0 } : found->second;
    }

private:
    TextureHandle next_ = 1;
};

} // namespace vorntest
