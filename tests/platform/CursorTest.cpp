// The cursor: screen position round trip through the X server, and the display counter.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/Cursor.h"

using namespace platform;

namespace {

TEST(Cursor, PositionRoundTripsInScreenCoordinates)
{
    ASSERT_TRUE(SetCursorPos(123, 77));
    Point point { -1, -1 };
    ASSERT_TRUE(GetCursorPos(&point));
    EXPECT_EQ(point.x, 123);
    EXPECT_EQ(point.y, 77);
    ASSERT_TRUE(SetCursorPos(1000, 900));
    ASSERT_TRUE(GetCursorPos(&point));
    EXPECT_EQ(point.x, 1000);
    EXPECT_EQ(point.y, 900);
    EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST(Cursor, HidesNestAndShowWhileTheCounterIsNotNegative)
{
    EXPECT_EQ(ShowCursor(false), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(ShowCursor(false), -2);
    EXPECT_EQ(ShowCursor(true), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(ShowCursor(true), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_EQ(ShowCursor(true), 1);
    EXPECT_EQ(ShowCursor(false), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

} // namespace
