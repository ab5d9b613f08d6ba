// TestInput: an input plugin for tests with a keyboard, a mouse and a joystick. Exports
// "CreateInput"; behaves as testplugins.cfg says and records every call in testplugins.calls.
#include <map>
#include <string>
#include <vector>

#include "Control.h"
#include "contracts/IInput.h"

using testplugin::Record;
using testplugin::Setting;
using testplugin::SettingIs;

namespace {

constexpr uint32_t kHandleBase = 100;  // an opened device's handle is 100 + its subclass

// The control-file name of a device, from its subclass or handle.
const char* DeviceKey(uint32_t subclass)
{
    switch (subclass) {
    case DEV_SUBCLASS_KEYBOARD:
        return "keyboard";
    case DEV_SUBCLASS_MOUSE:
        return "mouse";
    case DEV_SUBCLASS_JOYSTICK:
        return "joystick";
    default:
        return "unknown";
    }
}

const char* DefaultName(uint32_t subclass)
{
    switch (subclass) {
    case DEV_SUBCLASS_KEYBOARD:
        return "Test Keyboard";
    case DEV_SUBCLASS_MOUSE:
        return "Test Mouse";
    case DEV_SUBCLASS_JOYSTICK:
        return "Test Joystick";
    default:
        return "none";
    }
}

class TestInput final : public IInput {
public:
    ~TestInput() override { Record("input Destroy"); }
    bool Initialize() override
    {
        Record("input Initialize");
        return !SettingIs("input.initialize", "fail");
    }
    // Frames are counted by Update calls: frame 1 is the first. The events scripted for the
    // frame join the devices' queues here, as a real plugin's would.
    void Update() override
    {
        Record("input Update");
        ++frame_;
        for (uint32_t subclass : {DEV_SUBCLASS_KEYBOARD, DEV_SUBCLASS_MOUSE, DEV_SUBCLASS_JOYSTICK}) {
            const DeviceHandle device = kHandleBase + subclass;
            Parse(testplugin::SettingList(Key(device, "events." + std::to_string(frame_))), &queued_[device]);
        }
    }
    void Shutdown() override { Record("input Shutdown"); }
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override
    {
        Record("input EnumerateDevices %u", subclass);
        uint32_t id = 0;
        // DEV_SUBCLASS_ALL: every kind, keyboards first.
        for (const uint32_t kind : {DEV_SUBCLASS_KEYBOARD, DEV_SUBCLASS_MOUSE, DEV_SUBCLASS_JOYSTICK}) {
            if (subclass != kind && subclass != DEV_SUBCLASS_ALL)
                continue;
            for (const auto& name : testplugin::SettingList(std::string(DeviceKey(kind)) + ".devices")) {
                const DeviceInfo info = testplugin::MakeDevice(DEV_CLASS_INPUT, kind, name, ++id);
                callback(&info, context);
            }
        }
        return true;
    }
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override
    {
        Record("input FindDefaultDevice %u", subclass);
        return testplugin::DefaultDevice(
            DeviceKey(subclass), DefaultName(subclass), DEV_CLASS_INPUT, subclass, 1, out);
    }
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override
    {
        if (SettingIs(std::string(DeviceKey(info->subclass)) + ".open", "fail")) {
            Record("input OpenDevice '%s' failed", info->name);
            return false;
        }
        *out = kHandleBase + info->subclass;
        Record("input OpenDevice '%s' -> %u", info->name, *out);
        return true;
    }
    void ReleaseDevice(DeviceHandle handle) override { Record("input ReleaseDevice %u", handle); }

    bool Bind(WindowHandle window, DeviceHandle device, bool first, bool second) override
    {
        Record("input Bind %s %u %d %d", window != nullptr ? "window" : "no-window", device, first, second);
        return !SettingIs(Key(device, "bind"), "fail");
    }
    bool KeyState(DeviceHandle device, uint32_t key, uint8_t* flag) override
    {
        Record("input KeyState %u %u %u", device, key, *flag);
        bool down = false;
        for (const auto& item : testplugin::SettingList(Key(device, "down")))
            down = down || item == std::to_string(key);
        *flag = (*flag == 0) == down ? 1 : 0;
        return true;
    }
    bool Axis(DeviceHandle device, uint32_t axis, int32_t* out) override
    {
        Record("input Axis %u %u", device, axis);
        const std::string name = "axis" + std::to_string(axis);
        std::string value = Setting(Key(device, name + "." + std::to_string(frame_)));
        if (value.empty())
            value = Setting(Key(device, name));
        if (value.empty())
            return false;
        *out = static_cast<int32_t>(std::stol(value));
        return true;
    }
    bool Poll(DeviceHandle device) override
    {
        Record("input Poll %u", device);
        return !SettingIs(Key(device, "poll"), "fail");
    }
    bool Events(DeviceHandle device, ButtonEventList* out) override
    {
        Record("input Events %u", device);
        if (SettingIs(Key(device, "events"), "fail"))
            return false;
        // The events listed without a frame are delivered once, on the first read.
        if (delivered_[device]++ == 0)
            Parse(testplugin::SettingList(Key(device, "events")), out);
        // The queued ones are handed over even when the read then fails, so the runtime has to
        // discard them itself.
        out->insert(out->end(), queued_[device].begin(), queued_[device].end());
        queued_[device].clear();
        for (const auto& item : testplugin::SettingList(Key(device, "eventsfail"))) {
            if (item == std::to_string(frame_))
                return false;
        }
        return true;
    }

private:
    // Appends the events of a list ("45+" press, "45-" release); malformed items are skipped.
    static void Parse(const std::vector<std::string>& items, ButtonEventList* out)
    {
        for (const auto& item : items) {
            if (item.size() >= 2 && (item.back() == '+' || item.back() == '-')
                && item.find_first_not_of("0123456789") == item.size() - 1)
                out->push_back(ButtonEvent{static_cast<uint32_t>(std::stoul(item)), item.back() == '+'});
        }
    }

    // "<device>.<what>" for an opened device's handle.
    static std::string Key(DeviceHandle device, const std::string& what)
    {
        return std::string(DeviceKey(device - kHandleBase)) + "." + what;
    }

    std::map<DeviceHandle, int> delivered_;
    std::map<DeviceHandle, ButtonEventList> queued_;
    int frame_ = 0;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) IInput* CreateInput()
{
    Record("input CreateInput");
    if (SettingIs("input.factory", "null"))
        return nullptr;
    return new TestInput;
}
