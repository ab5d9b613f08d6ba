// TestInput: an input plugin for tests with a keyboard, a mouse and a joystick. Exports
// "CreateInput"; behaves as testplugins.cfg says and records every call in testplugins.calls.
// Frames are counted by Update calls (frame 1 is the first): button events and axis readings can
// be scripted per frame, which no real device allows. Nothing is ever down.
#include <map>
#include <string>

#include "Control.h"
#include "contracts/IInput.h"

using testplugin::Answer;
using testplugin::Record;
using testplugin::Setting;
using testplugin::SettingIs;

namespace {

constexpr uint32_t kHandleBase = 100; // an opened device's handle is 100 + its subclass
constexpr uint32_t kSubclasses[] = { DEV_SUBCLASS_KEYBOARD, DEV_SUBCLASS_MOUSE, DEV_SUBCLASS_JOYSTICK };

// The control-file name of a device from its subclass: keyboard, mouse or joystick.
std::string DeviceKey(uint32_t subclass)
{
    return subclass == DEV_SUBCLASS_KEYBOARD ? "keyboard"
        : subclass == DEV_SUBCLASS_MOUSE     ? "mouse"
        : subclass == DEV_SUBCLASS_JOYSTICK  ? "joystick"
                                             : "unknown";
}

class TestInput final : public IInput {
public:
    ~TestInput() override { Record("input Destroy"); }
    bool Initialize() override { return Answer(true, "input Initialize"); }
    // The events scripted for the new frame (`<device>.events.<frame>`, "45+" press, "45-"
    // release, separated by ';') join the devices' queues, as a real plugin's would.
    void Update() override
    {
        Record("input Update");
        ++frame_;
        for (uint32_t subclass : kSubclasses)
            for (const auto& item :
                testplugin::SettingList(Key(kHandleBase + subclass, "events." + std::to_string(frame_))))
                queued_[kHandleBase + subclass].push_back(
                    ButtonEvent { static_cast<uint32_t>(std::stoul(item)), item.back() == '+' });
    }
    void Shutdown() override { Record("input Shutdown"); }
    bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) override
    {
        Record("input EnumerateDevices %u", subclass);
        uint32_t id = 0;
        // DEV_SUBCLASS_ALL: every kind, keyboards first.
        for (const uint32_t kind : kSubclasses) {
            if (subclass != kind && subclass != DEV_SUBCLASS_ALL)
                continue;
            for (const auto& name : testplugin::SettingList(DeviceKey(kind) + ".devices")) {
                const DeviceInfo info = testplugin::MakeDevice(DEV_CLASS_INPUT, kind, name, ++id);
                callback(&info, context);
            }
        }
        return true;
    }
    // "Test Keyboard", "Test Mouse", "Test Joystick".
    bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) override
    {
        Record("input FindDefaultDevice %u", subclass);
        std::string name = "Test " + DeviceKey(subclass);
        name[5] = static_cast<char>(name[5] - 'a' + 'A');
        return testplugin::DefaultDevice(DeviceKey(subclass), name, DEV_CLASS_INPUT, subclass, 1, out);
    }
    bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) override
    {
        return testplugin::OpenDevice("input", DeviceKey(info->subclass), info, out);
    }
    void ReleaseDevice(DeviceHandle handle) override { Record("input ReleaseDevice %u", handle); }
    bool Bind(WindowHandle window, DeviceHandle device, bool first, bool second) override
    {
        return Answer(true, "input Bind %s %u %d %d", window != nullptr ? "window" : "no-window", device,
            first, second);
    }
    // The flag's question ("down?" 0, "up?" 1) keeps its value as the answer.
    bool KeyState(DeviceHandle device, uint32_t key, uint8_t* flag) override
    {
        return Answer(true, "input KeyState %u %u %u", device, key, *flag);
    }
    // `<device>.axis<N>.<frame>`, else `<device>.axis<N>`; unset: the axis cannot be read.
    bool Axis(DeviceHandle device, uint32_t axis, int32_t* out) override
    {
        Record("input Axis %u %u", device, axis);
        const std::string name = "axis" + std::to_string(axis);
        const std::string value
            = Setting(Key(device, name + "." + std::to_string(frame_)), Setting(Key(device, name)));
        if (!value.empty())
            *out = static_cast<int32_t>(std::stol(value));
        return !value.empty();
    }
    bool Poll(DeviceHandle device) override { return Answer(true, "input Poll %u", device); }
    // Hands the queue over, even when the read then fails (`<device>.eventsfail` lists the frames),
    // so that the runtime has to discard a failed read's events itself.
    bool Events(DeviceHandle device, ButtonEventList* out) override
    {
        Record("input Events %u", device);
        out->insert(out->end(), queued_[device].begin(), queued_[device].end());
        queued_[device].clear();
        for (const auto& item : testplugin::SettingList(Key(device, "eventsfail")))
            if (item == std::to_string(frame_))
                return false;
        return true;
    }

private:
    // "<device>.<what>" for an opened device's handle.
    static std::string Key(DeviceHandle device, const std::string& what)
    {
        return DeviceKey(device - kHandleBase) + "." + what;
    }

    std::map<DeviceHandle, ButtonEventList> queued_;
    int frame_ = 0;
};

} // namespace

extern "C" __attribute__((visibility("default"))) IInput* CreateInput()
{
    Record("input CreateInput");
    return SettingIs("input.factory", "null") ? nullptr : new TestInput;
}
