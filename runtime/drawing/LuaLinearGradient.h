// LuaLinearGradient: the script class LinearGradient. Holds one counted reference to its engine
// gradient; a canvas given the gradient takes its own, so stops changed here later act on what
// the canvas fills with, and the canvas keeps the gradient when the script drops it.
#pragma once

#include <Vorn/draw/Gradient.h>

#include "bridge/Held.h"

struct Color;
struct lua_State;
class LuaPoint;

class LuaLinearGradient {
public:
    // Both stops at (0, 0), black, alpha 1.
    LuaLinearGradient();
    LuaLinearGradient(const LuaLinearGradient&) = delete;
    LuaLinearGradient& operator=(const LuaLinearGradient&) = delete;

    // stop_point1 and stop_point2: nil point or colour raise the operation's message.
    void Begin(float x, float y, const Color* color, float alpha, lua_State* L);
    void Begin(const LuaPoint* p, const Color* color, float alpha, lua_State* L);
    void End(float x, float y, const Color* color, float alpha, lua_State* L);
    void End(const LuaPoint* p, const Color* color, float alpha, lua_State* L);

    Vorn::LinearGradient* gradient() const { return gradient_.Get(); }

private:
    bridge::Held<Vorn::LinearGradient> gradient_;
};
