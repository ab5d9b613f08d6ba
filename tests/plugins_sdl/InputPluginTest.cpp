// Input plugin: the keyboard and mouse devices, events in delivery order, relative motion and
// the wheel, key-state flags and binding.
#include <cstring>

#include "InputFixture.h"

namespace plugintest {
namespace {

void CollectDevice(const DeviceInfo* info, void* context)
{
    static_cast<std::vector<DeviceInfo>*>(context)->push_back(*info);
}

int QueuedEvents(Uint32 type)
{
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, type, type);
}

using InputPluginTest = InputFixture;

TEST_F(InputPluginTest, ListsKeyboardAndMouseAndHasNoDefaultJoystickWithNonePlugged)
{
    if (SDL_NumJoysticks() != 0)
        GTEST_SKIP() << "a joystick is plugged into this machine";
    std::vector<DeviceInfo> devices;
    ASSERT_TRUE(input_->EnumerateDevices(DEV_SUBCLASS_ALL, CollectDevice, &devices));
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].subclass, DEV_SUBCLASS_KEYBOARD);
    EXPECT_STREQ(devices[0].name, "System keyboard");
    EXPECT_EQ(devices[1].subclass, DEV_SUBCLASS_MOUSE);
    EXPECT_STREQ(devices[1].name, "System mouse");
    for (const DeviceInfo& info : devices)
        EXPECT_EQ(info.devclass, DEV_CLASS_INPUT);

    std::vector<DeviceInfo> mice;
    ASSERT_TRUE(input_->EnumerateDevices(DEV_SUBCLASS_MOUSE, CollectDevice, &mice));
    ASSERT_EQ(mice.size(), 1u);

    DeviceInfo info {};
    EXPECT_TRUE(input_->FindDefaultDevice(DEV_SUBCLASS_KEYBOARD, &info));
    EXPECT_STREQ(info.name, "System keyboard");
    EXPECT_TRUE(input_->FindDefaultDevice(DEV_SUBCLASS_MOUSE, &info));
    EXPECT_STREQ(info.name, "System mouse");
    EXPECT_FALSE(input_->FindDefaultDevice(DEV_SUBCLASS_JOYSTICK, &info));
    EXPECT_FALSE(input_->FindDefaultDevice(DEV_SUBCLASS_PLAY, &info));
}

TEST_F(InputPluginTest, OpensAndReleasesDevices)
{
    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    const DeviceHandle mouse = OpenDefault(DEV_SUBCLASS_MOUSE);
    EXPECT_NE(keyboard, mouse);
    EXPECT_TRUE(input_->Poll(keyboard));

    input_->ReleaseDevice(keyboard);
    ButtonEventList events;
    EXPECT_FALSE(input_->Events(keyboard, &events));
    EXPECT_FALSE(input_->Poll(keyboard));
    EXPECT_TRUE(input_->Poll(mouse));

    DeviceInfo unknown {};
    unknown.id = 12345;
    DeviceHandle handle = 0;
    EXPECT_FALSE(input_->OpenDevice(&unknown, &handle));
    EXPECT_FALSE(input_->OpenDevice(nullptr, &handle));
}

TEST_F(InputPluginTest, DeliversPressesAndReleasesInOrderAndLeavesWindowEventsQueued)
{
    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    const DeviceHandle mouse = OpenDefault(DEV_SUBCLASS_MOUSE);

    SDL_Event windowEvent {};
    windowEvent.type = SDL_WINDOWEVENT;
    windowEvent.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    SDL_Event userEvent {};
    userEvent.type = SDL_USEREVENT;
    const int windowEventsBefore = QueuedEvents(SDL_WINDOWEVENT);

    PushKey(SDL_SCANCODE_A, true);
    SDL_PushEvent(&windowEvent);
    PushMouseButton(SDL_BUTTON_LEFT, true);
    PushKey(SDL_SCANCODE_A, true, true); // auto-repeat: not a press
    PushKey(SDL_SCANCODE_SPACE, true);
    PushMouseButton(SDL_BUTTON_X2, true);
    SDL_PushEvent(&userEvent);
    PushKey(SDL_SCANCODE_A, false);
    PushMouseButton(SDL_BUTTON_LEFT, false);
    PushKey(SDL_SCANCODE_NONUSBACKSLASH, true); // a key without a code
    PushKey(SDL_SCANCODE_SPACE, false);

    input_->Update();

    const std::vector<ButtonEvent> keys
        = { { KEY_A, true }, { KEY_SPACE, true }, { KEY_A, false }, { KEY_SPACE, false } };
    EXPECT_EQ(TakeEvents(keyboard), keys);
    const std::vector<ButtonEvent> buttons
        = { { MBUTTON_LEFT, true }, { MBUTTON_X, true }, { MBUTTON_LEFT, false } };
    EXPECT_EQ(TakeEvents(mouse), buttons);
    EXPECT_TRUE(TakeEvents(keyboard).empty()) << "Events moves the events out";

    EXPECT_EQ(QueuedEvents(SDL_WINDOWEVENT), windowEventsBefore + 1);
    EXPECT_EQ(QueuedEvents(SDL_USEREVENT), 1);
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_MOUSEWHEEL), 0);
}

TEST_F(InputPluginTest, KeepsOnlyTheNewestEventsOfADeviceNobodyReads)
{
    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    for (int i = 0; i < 700; ++i) {
        PushKey(SDL_SCANCODE_Q, true);
        PushKey(SDL_SCANCODE_Q, false);
    }
    PushKey(SDL_SCANCODE_W, true);
    input_->Update();
    const std::vector<ButtonEvent> events = TakeEvents(keyboard);
    ASSERT_EQ(events.size(), 1024u);
    EXPECT_EQ(events.back(), (ButtonEvent { KEY_W, true }));
    EXPECT_EQ(events.front(), (ButtonEvent { KEY_Q, false }));
}

TEST_F(InputPluginTest, MouseMotionAndWheelAccumulateBetweenPolls)
{
    const DeviceHandle mouse = OpenDefault(DEV_SUBCLASS_MOUSE);
    int32_t value = 0;
    EXPECT_FALSE(input_->Axis(mouse, AXIS_MOUSE_X, &value)) << "nothing latched before the first poll";

    PushMotion(3, -2);
    PushMotion(4, 5);
    PushWheel(2.0f, false);
    PushWheel(1.0f, true); // a flipped wheel reports the opposite sign
    input_->Update();
    PushMotion(1, 1); // arrives after this frame's update: next poll
    ASSERT_TRUE(input_->Poll(mouse));

    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_X, &value));
    EXPECT_EQ(value, 7);
    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_Y, &value));
    EXPECT_EQ(value, 3);
    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_WHEEL, &value));
    EXPECT_EQ(value, 120);
    EXPECT_FALSE(input_->Axis(mouse, AXIS_JOY_X, &value));

    // Half a notch is 60 units; the motion pushed after the last update arrives now.
    PushWheel(0.5f, false);
    input_->Update();
    ASSERT_TRUE(input_->Poll(mouse));
    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_X, &value));
    EXPECT_EQ(value, 1);
    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_WHEEL, &value));
    EXPECT_EQ(value, 60);

    ASSERT_TRUE(input_->Poll(mouse));
    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_X, &value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(input_->Axis(mouse, AXIS_MOUSE_WHEEL, &value));
    EXPECT_EQ(value, 0);

    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    EXPECT_FALSE(input_->Axis(keyboard, AXIS_MOUSE_X, &value));
}

TEST_F(InputPluginTest, KeyStateAnswersTheQuestionAskedThroughTheFlag)
{
    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    const DeviceHandle mouse = OpenDefault(DEV_SUBCLASS_MOUSE);
    auto ask = [&](DeviceHandle device, uint32_t key, uint8_t question, bool* known) {
        uint8_t flag = question;
        *known = input_->KeyState(device, key, &flag);
        return flag;
    };
    bool known = false;
    EXPECT_EQ(ask(keyboard, KEY_SPACE, 0, &known), 0) << "space is not down";
    EXPECT_TRUE(known);
    EXPECT_EQ(ask(keyboard, KEY_SPACE, 1, &known), 1) << "space is up";

    // The keyboard state is SDL's; hold the key there the way SDL's own event code does.
    Uint8* state = const_cast<Uint8*>(SDL_GetKeyboardState(nullptr));
    state[SDL_SCANCODE_SPACE] = 1;
    EXPECT_EQ(ask(keyboard, KEY_SPACE, 0, &known), 1) << "space is down";
    EXPECT_EQ(ask(keyboard, KEY_SPACE, 1, &known), 0) << "space is not up";
    EXPECT_EQ(ask(mouse, KEY_SPACE, 0, &known), 1) << "the system keyboard answers on every device";
    state[SDL_SCANCODE_SPACE] = 0;

    EXPECT_EQ(ask(mouse, MBUTTON_LEFT, 1, &known), 1);
    EXPECT_TRUE(known);
    EXPECT_EQ(ask(mouse, MBUTTON_X, 0, &known), 0);

    // Codes the device doesn't know: refused, and they read as up.
    EXPECT_EQ(ask(keyboard, JBUTTON_1, 1, &known), 1);
    EXPECT_FALSE(known);
    EXPECT_EQ(ask(keyboard, KEY_NONE, 0, &known), 0);
    EXPECT_FALSE(known);
    EXPECT_EQ(ask(keyboard, kKeyCodeCount, 1, &known), 1);
    EXPECT_FALSE(known);

    uint8_t flag = 1;
    EXPECT_FALSE(input_->KeyState(keyboard + mouse + 100, KEY_SPACE, &flag));
    EXPECT_FALSE(input_->KeyState(keyboard, KEY_SPACE, nullptr));
}

TEST_F(InputPluginTest, BindNeedsAnOpenDeviceAndAWindow)
{
    const DeviceHandle keyboard = OpenDefault(DEV_SUBCLASS_KEYBOARD);
    SDL_Window* window = SDL_CreateWindow("bind", 0, 0, 64, 64, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(input_->Bind(window, keyboard, false, true));
    EXPECT_FALSE(input_->Bind(nullptr, keyboard, false, true));
    EXPECT_FALSE(input_->Bind(window, keyboard + 50, false, true));
    SDL_DestroyWindow(window);
}

} // namespace
} // namespace plugintest
