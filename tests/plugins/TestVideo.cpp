// TestVideo: a video plugin for tests. Exports "CreateVideo"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Draws nothing.
#include <map>
#include <utility>

#include "Control.h"
#include "contracts/IVideo.h"

using testplugin::Answer;
using testplugin::Record;
using testplugin::SettingIs;

namespace {

class TestVideo final : public IVideo {
public:
    ~TestVideo() override { Record("video Destroy"); }
    bool Initialize() override { return Answer(!SettingIs("video.initialize", "fail"), "video Initialize"); }
    bool Ready() override { return Answer(!SettingIs("video.ready", "no"), "video Ready"); }
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
        return testplugin::OpenDevice("video", "video", info, out);
    }
    void ReleaseDevice(DeviceHandle handle) override { Record("video ReleaseDevice %u", handle); }

    // Refused when video.setmode = fail or video.refuse lists the mode.
    bool SetMode(WindowHandle window, const DisplayMode* mode) override
    {
        const std::string text = testplugin::FormatMode(*mode);
        Record("video SetMode %s %s", window != nullptr ? "window" : "no-window", text.c_str());
        for (const auto& refused : testplugin::SettingList("video.refuse"))
            if (refused == text)
                return false;
        if (SettingIs("video.setmode", "fail"))
            return false;
        mode_ = *mode;
        hasMode_ = true;
        ++generation_;
        return true;
    }
    // Before any SetMode, the mode video.mode names (none when unset).
    bool GetMode(DisplayMode* out) override
    {
        Record("video GetMode");
        hasMode_ = hasMode_ || testplugin::ParseMode(testplugin::Setting("video.mode"), &mode_);
        if (hasMode_)
            *out = mode_;
        return hasMode_;
    }
    // The modes video.modes lists; false after listing them when video.enumeratemodes = fail.
    bool EnumerateModes(const DeviceInfo* info, ModeEnumCallback callback, void* context) override
    {
        Record("video EnumerateModes %u", info->id);
        for (const auto& text : testplugin::SettingList("video.modes")) {
            DisplayMode mode {};
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

    DisplayMode mode_ {};
    bool hasMode_ = false;
    std::map<TextureHandle, std::pair<uint32_t, uint32_t>> textures_; // handle -> width, height
    TextureHandle nextTexture_ = 1;
    uint32_t generation_ = 0;
};

} // namespace

extern "C" __attribute__((visibility("default"))) IVideo* CreateVideo()
{
    Record("video CreateVideo");
    return SettingIs("video.factory", "null") ? nullptr : new TestVideo;
}
