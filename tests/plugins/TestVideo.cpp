// TestVideo: a video plugin for tests. Exports "CreateVideo"; behaves as testplugins.cfg says and
// records every call in testplugins.calls. Draws nothing; keeps the textures' sizes as NullVideo does.
#include "Control.h"
#include "NullVideo.h"

using testplugin::Answer;
using testplugin::Record;
using testplugin::SettingIs;

namespace {

class TestVideo final : public vorntest::NullVideo {
public:
    ~TestVideo() override { Record("video Destroy"); }
    bool Initialize() override { return Answer(true, "video Initialize"); }
    bool Ready() override { return Answer(true, "video Ready"); }
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

    // Refused when video.setmode = fail.
    bool SetMode(WindowHandle window, const DisplayMode* mode) override
    {
        const std::string text = testplugin::FormatMode(*mode);
        Record("video SetMode %s %s", window != nullptr ? "window" : "no-window", text.c_str());
        if (SettingIs("video.setmode", "fail"))
            return false;
        mode_ = *mode;
        hasMode_ = true;
        ++generation;
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
    // Drawing is not recorded (no test reads it, and it is most of the calls); drawing with or
    // onto a texture that does not exist fails.
    bool DrawTriangles(
        TextureHandle texture, const VideoVertex*, uint32_t, const int32_t*, uint32_t, int32_t) override
    {
        return texture == 0 || sizes.count(texture) != 0;
    }
    bool SetTarget(TextureHandle target) override { return target == 0 || sizes.count(target) != 0; }

private:
    // Every SetMode moves the texture generation on (NullVideo::generation): the textures' pixels
    // count as lost, as with a new renderer.
    DisplayMode mode_ {};
    bool hasMode_ = false;
};

} // namespace

extern "C" __attribute__((visibility("default"))) IVideo* CreateVideo()
{
    Record("video CreateVideo");
    return new TestVideo;
}
