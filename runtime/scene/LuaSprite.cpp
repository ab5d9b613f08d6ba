// LuaSprite: a new engine sprite with a new canvas of its own.
#include "scene/LuaSprite.h"

#include "bridge/RuntimeNode.h"
#include "drawing/LuaCanvas.h"

LuaSprite::LuaSprite(lua_State* L)
    : LuaSceneNode(new bridge::RuntimeNode<Vorn::Sprite>())
{
    // The canvas is Lua's, anchored by the sprite so it lives at least as long.
    auto* canvas = new LuaCanvas();
    canvasRef.SetObject(L, canvas, "LuaCanvas", true);
    sprite()->SetCanvas(canvas->canvas());
}

LuaSprite::LuaSprite(float x, float y, lua_State* L)
    : LuaSprite(L)
{
    sprite()->SetPosition(x, y);
}

LuaSprite::~LuaSprite() = default;

void LuaSprite::SetCanvas(lua_State* L, LuaCanvas* canvas)
{
    canvasRef.SetObject(L, canvas, "LuaCanvas");
    sprite()->SetCanvas(canvas != nullptr ? canvas->canvas() : nullptr);
}
