// Input plugin joysticks, driven through SDL's virtual joysticks: a game controller's buttons,
// axes and d-pad, a raw joystick's buttons and hat, and unplugging and plugging back in.
#include "InputFixture.h"

namespace plugintest {
namespace {

class InputJoystickTest : public InputFixture {
protected:
    void TearDown() override
    {
        while (SDL_NumJoysticks() > 0 && SDL_JoystickIsVirtual(0))
            SDL_JoystickDetachVirtual(0);
        InputFixture::TearDown();
    }

    // Attaches a virtual joystick and lets the plugin see it arrive.
    int Attach(SDL_JoystickType type, int axes, int buttons, int hats)
    {
        const int index = SDL_JoystickAttachVirtual(type, axes, buttons, hats);
        input_->Update();
        return index;
    }

    // The raw SDL joystick behind the plugin's device, for setting the virtual inputs.
    static SDL_Joystick* Raw(int index)
    {
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
    }

    bool Down(DeviceHandle device, uint32_t code)
    {
        uint8_t flag = 0;
        EXPECT_TRUE(input_->KeyState(device, code, &flag));
        return flag == 1;
    }
};

TEST_F(InputJoystickTest, AGameControllerReportsButtonsAxesAndTheDpad)
{
    if (SDL_NumJoysticks() != 0)
        GTEST_SKIP() << "a joystick is plugged into this machine";
    const int index = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(index));

    DeviceInfo info {};
    ASSERT_TRUE(input_->FindDefaultDevice(DEV_SUBCLASS_JOYSTICK, &info));
    EXPECT_EQ(info.subclass, DEV_SUBCLASS_JOYSTICK);
    EXPECT_STREQ(info.name, SDL_GameControllerNameForIndex(index));
    DeviceHandle pad = 0;
    ASSERT_TRUE(input_->OpenDevice(&info, &pad));
    SDL_Joystick* raw = Raw(index);
    ASSERT_NE(raw, nullptr);

    SDL_JoystickSetVirtualButton(raw, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(raw, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(raw, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    SDL_JoystickSetVirtualAxis(raw, SDL_CONTROLLER_AXIS_LEFTY, 1000);
    SDL_JoystickSetVirtualAxis(raw, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    input_->Update();
    SDL_JoystickSetVirtualButton(raw, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
    input_->Update();

    const std::vector<ButtonEvent> expected
        = { { JBUTTON_1, true }, { JDPAD_NORTH, true }, { JBUTTON_1, false } };
    EXPECT_EQ(TakeEvents(pad), expected);
    EXPECT_FALSE(Down(pad, JBUTTON_1));
    EXPECT_TRUE(Down(pad, JDPAD_NORTH));
    EXPECT_FALSE(Down(pad, JDPAD_SOUTH));

    ASSERT_TRUE(input_->Poll(pad));
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;
    ASSERT_TRUE(input_->Axis(pad, AXIS_JOY_X, &x));
    ASSERT_TRUE(input_->Axis(pad, AXIS_JOY_Y, &y));
    ASSERT_TRUE(input_->Axis(pad, AXIS_JOY_Z, &z));
    EXPECT_EQ(x, -32768);
    EXPECT_EQ(y, 1000);
    EXPECT_EQ(z, 32767);
    EXPECT_FALSE(input_->Axis(pad, AXIS_MOUSE_X, &x));
}

TEST_F(InputJoystickTest, ARawJoystickReportsButtonsHatAndItsFirstAxes)
{
    if (SDL_NumJoysticks() != 0)
        GTEST_SKIP() << "a joystick is plugged into this machine";
    const int index = Attach(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 20, 1);
    ASSERT_GE(index, 0) << SDL_GetError();
    ASSERT_FALSE(SDL_IsGameController(index));
    const DeviceHandle stick = OpenDefault(DEV_SUBCLASS_JOYSTICK);
    SDL_Joystick* raw = Raw(index);
    ASSERT_NE(raw, nullptr);

    SDL_JoystickSetVirtualButton(raw, 2, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(raw, 17, SDL_PRESSED); // past the sixteenth: no code
    SDL_JoystickSetVirtualHat(raw, 0, SDL_HAT_RIGHTUP);
    SDL_JoystickSetVirtualAxis(raw, 1, -20000);
    input_->Update();
    SDL_JoystickSetVirtualHat(raw, 0, SDL_HAT_UP);
    input_->Update();

    const std::vector<ButtonEvent> expected
        = { { JBUTTON_3, true }, { JDPAD_NORTH, true }, { JDPAD_EAST, true }, { JDPAD_EAST, false } };
    EXPECT_EQ(TakeEvents(stick), expected);
    EXPECT_TRUE(Down(stick, JBUTTON_3));
    EXPECT_TRUE(Down(stick, JDPAD_NORTH));
    EXPECT_FALSE(Down(stick, JDPAD_EAST));

    ASSERT_TRUE(input_->Poll(stick));
    int32_t value = 0;
    ASSERT_TRUE(input_->Axis(stick, AXIS_JOY_Y, &value));
    EXPECT_EQ(value, -20000);
    EXPECT_FALSE(input_->Axis(stick, AXIS_JOY_Z, &value)) << "two axes only";
}

TEST_F(InputJoystickTest, UnpluggingReleasesHeldButtonsAndAReplugReconnects)
{
    if (SDL_NumJoysticks() != 0)
        GTEST_SKIP() << "a joystick is plugged into this machine";
    const int index = Attach(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 4, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    const DeviceHandle stick = OpenDefault(DEV_SUBCLASS_JOYSTICK);
    SDL_JoystickSetVirtualButton(Raw(index), 0, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(Raw(index), 0, 12345);
    input_->Update();
    ASSERT_TRUE(input_->Poll(stick));
    EXPECT_EQ(TakeEvents(stick), (std::vector<ButtonEvent> { { JBUTTON_1, true } }));

    ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0);
    input_->Update();
    EXPECT_EQ(TakeEvents(stick), (std::vector<ButtonEvent> { { JBUTTON_1, false } }));
    EXPECT_FALSE(Down(stick, JBUTTON_1));
    ASSERT_TRUE(input_->Poll(stick));
    int32_t value = -1;
    ASSERT_TRUE(input_->Axis(stick, AXIS_JOY_X, &value));
    EXPECT_EQ(value, 0) << "an unplugged stick reads centred";
    DeviceInfo info {};
    EXPECT_FALSE(input_->FindDefaultDevice(DEV_SUBCLASS_JOYSTICK, &info));

    const int again = Attach(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 4, 0);
    ASSERT_GE(again, 0);
    SDL_JoystickSetVirtualButton(Raw(again), 1, SDL_PRESSED);
    input_->Update();
    EXPECT_EQ(TakeEvents(stick), (std::vector<ButtonEvent> { { JBUTTON_2, true } }));
    EXPECT_TRUE(Down(stick, JBUTTON_2));
}

} // namespace
} // namespace plugintest
