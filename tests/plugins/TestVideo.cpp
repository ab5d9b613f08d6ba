// TestVideo: a video plugin for tests. Exports "CreateVideo"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Draws nothing.
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
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback, void*) override
    {
        return Answer(true, "video EnumerateDevices %u", subclass);
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
        return hasMode_ = true;
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
    bool BeginFrame() override { return Answer(true, "video BeginFrame"); }
    bool EndFrame() override { return Answer(true, "video EndFrame"); }
    bool Clear(const Color* c) override { return Answer(true, "video Clear %u %u %u", c->r, c->g, c->b); }
    uint32_t TextureWidth(TextureHandle) override { return 0; }
    uint32_t TextureHeight(TextureHandle) override { return 0; }

private:
    DisplayMode mode_ {};
    bool hasMode_ = false;
};

} // namespace

extern "C" __attribute__((visibility("default"))) IVideo* CreateVideo()
{
    Record("video CreateVideo");
    return SettingIs("video.factory", "null") ? nullptr : new TestVideo;
}
