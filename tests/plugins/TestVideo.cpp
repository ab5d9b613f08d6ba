// TestVideo: a video plugin for tests. Exports "CreateVideo"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Draws nothing; with video.geometry it also records the
// game window's native (SDL) client size and position, which is how tests see the window layer.
#include <SDL.h>

#include <map>
#include <utility>

#include "Control.h"
#include "contracts/IVideo.h"

using testplugin::Record;
using testplugin::Setting;
using testplugin::SettingIs;

namespace {

constexpr uint32_t kHandleBase = 100;  // an opened device's handle is 100 + its subclass

class TestVideo final : public IVideo {
public:
    ~TestVideo() override { Record("video Destroy"); }
    bool Initialize() override
    {
        Record("video Initialize");
        return !SettingIs("video.initialize", "fail");
    }
    bool Ready() override
    {
        Record("video Ready");
        return !SettingIs("video.ready", "no");
    }
    void Update() override { Record("video Update"); }
    void Shutdown() override { Record("video Shutdown"); }
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override
    {
        Record("video EnumerateDevices %u", subclass);
        uint32_t id = 0;
        for (const auto& name : testplugin::SettingList("video.devices")) {
            const DeviceInfo info = testplugin::MakeDevice(DEV_CLASS_VIDEO, DEV_SUBCLASS_ALL, name, ++id);
            callback(&info, context);
        }
        return true;
    }
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override
    {
        Record("video FindDefaultDevice %u", subclass);
        return testplugin::DefaultDevice("video", "Test Video", DEV_CLASS_VIDEO, subclass, 1, out);
    }
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override
    {
        if (SettingIs("video.open", "fail")) {
            Record("video OpenDevice '%s' failed", info->name);
            return false;
        }
        *out = kHandleBase + info->subclass;
        Record("video OpenDevice '%s' -> %u", info->name, *out);
        return true;
    }
    void ReleaseDevice(DeviceHandle handle) override { Record("video ReleaseDevice %u", handle); }

    bool SetMode(WindowHandle window, const DisplayMode* mode) override
    {
        Record("video SetMode %s %s", window != nullptr ? "window" : "no-window",
            testplugin::FormatMode(*mode).c_str());
        if (window != nullptr)
            windowId_ = SDL_GetWindowID(static_cast<SDL_Window*>(window));
        RecordGeometry();
        if (SettingIs("video.setmode", "fail") || Refused(*mode))
            return false;
        mode_ = *mode;
        hasMode_ = true;
        ++generation_;
        return true;
    }
    bool GetMode(DisplayMode* out) override
    {
        Record("video GetMode");
        RecordGeometry();
        if (!hasMode_)
            hasMode_ = testplugin::ParseMode(Setting("video.mode"), &mode_);
        if (hasMode_)
            *out = mode_;
        return hasMode_;
    }
    bool EnumerateModes(const DeviceInfo* info, ModeEnumCallback callback, void* context) override
    {
        Record("video EnumerateModes %u", info->id);
        for (const auto& text : testplugin::SettingList("video.modes")) {
            DisplayMode mode{};
            if (testplugin::ParseMode(text, &mode))
                callback(&mode, context);
        }
        return !SettingIs("video.enumeratemodes", "fail");
    }
    bool BeginFrame() override
    {
        Record("video BeginFrame");
        return true;
    }
    bool EndFrame() override
    {
        Record("video EndFrame");
        return true;
    }
    bool Clear(const Color* color) override
    {
        Record("video Clear %u %u %u", color->r, color->g, color->b);
        return true;
    }
    uint32_t TextureWidth(TextureHandle texture) override
    {
        const auto found = textures_.find(texture);
        return found == textures_.end() ? 0 : found->second.first;
    }
    uint32_t TextureHeight(TextureHandle texture) override
    {
        const auto found = textures_.find(texture);
        return found == textures_.end() ? 0 : found->second.second;
    }
    TextureHandle CreateTexture(uint32_t width, uint32_t height) override
    {
        return MakeTexture("CreateTexture", width, height);
    }
    bool UpdateTexture(TextureHandle texture, const VideoRect* area, const uint8_t* pixels, uint32_t) override
    {
        Record("video UpdateTexture %u %s", texture, area != nullptr ? "area" : "whole");
        return textures_.count(texture) != 0 && pixels != nullptr;
    }
    void ReleaseTexture(TextureHandle texture) override
    {
        Record("video ReleaseTexture %u", texture);
        textures_.erase(texture);
    }
    // Every SetMode makes the textures' pixels count as lost, as a new renderer would.
    uint32_t TextureGeneration() override { return generation_; }
    bool DrawTriangles(TextureHandle texture, const VideoVertex*, uint32_t vertexCount, const int32_t*,
        uint32_t indexCount, int32_t blend) override
    {
        Record("video DrawTriangles %u %u %u %d", texture, vertexCount, indexCount, blend);
        return texture == 0 || textures_.count(texture) != 0;
    }
    bool SetClipRect(const VideoRect* rect) override
    {
        if (rect == nullptr)
            Record("video SetClipRect none");
        else
            Record("video SetClipRect %d %d %d %d", rect->x, rect->y, rect->width, rect->height);
        return true;
    }
    TextureHandle CreateTarget(uint32_t width, uint32_t height) override
    {
        return MakeTexture("CreateTarget", width, height);
    }
    bool SetTarget(TextureHandle target) override
    {
        Record("video SetTarget %u", target);
        return target == 0 || textures_.count(target) != 0;
    }
    bool ClearTransparent() override
    {
        Record("video ClearTransparent");
        return true;
    }
    void ForgetWindow(WindowHandle window) override
    {
        Record("video ForgetWindow %s", window != nullptr ? "window" : "no-window");
    }

private:
    TextureHandle MakeTexture(const char* operation, uint32_t width, uint32_t height)
    {
        const TextureHandle texture = (width == 0 || height == 0) ? 0 : nextTexture_++;
        Record("video %s %ux%u -> %u", operation, width, height, texture);
        if (texture != 0)
            textures_[texture] = { width, height };
        return texture;
    }

    // Whether video.refuse lists the mode.
    static bool Refused(const DisplayMode& mode)
    {
        for (const auto& text : testplugin::SettingList("video.refuse")) {
            DisplayMode refused {};
            if (testplugin::ParseMode(text, &refused)
                && testplugin::FormatMode(refused) == testplugin::FormatMode(mode))
                return true;
        }
        return false;
    }
    // With video.geometry = yes: the last SetMode window's client size and position, looked up by
    // SDL's window id so that a destroyed window is never touched.
    void RecordGeometry() const
    {
        if (!SettingIs("video.geometry", "yes") || windowId_ == 0)
            return;
        SDL_Window* window = SDL_GetWindowFromID(windowId_);
        if (window == nullptr)
            return;
        int x = 0, y = 0, w = 0, h = 0;
        SDL_GetWindowPosition(window, &x, &y);
        SDL_GetWindowSize(window, &w, &h);
        const bool shown = (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
        Record("video Window %dx%d at %d,%d %s", w, h, x, y, shown ? "shown" : "hidden");
    }

    DisplayMode mode_{};
    bool hasMode_ = false;
    uint32_t windowId_ = 0;
    std::map<TextureHandle, std::pair<uint32_t, uint32_t>> textures_; // handle -> width, height
    TextureHandle nextTexture_ = 1;
    uint32_t generation_ = 0;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) IVideo* CreateVideo()
{
    Record("video CreateVideo");
    if (SettingIs("video.factory", "null"))
        return nullptr;
    return new TestVideo;
}
