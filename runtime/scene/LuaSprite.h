// LuaSprite: the script class Sprite, a scene node showing a canvas. Born with its own canvas
// (a Lua-owned Canvas the sprite anchors in canvasRef); `canvas` can be replaced or removed.
#pragma once

#include <Vorn/scene/Sprite.h>

#include "bridge/LuaRef.h"
#include "scene/LuaSceneNode.h"

class LuaCanvas;

class LuaSprite : public LuaSceneNode {
public:
    explicit LuaSprite(lua_State* L);
    LuaSprite(float x, float y, lua_State* L);
    ~LuaSprite() override;

    Vorn::Sprite* sprite() const { return static_cast<Vorn::Sprite*>(node()); }
    // Anchors the canvas wrapper (null: none) and shows its engine canvas.
    void SetCanvas(lua_State* L, LuaCanvas* canvas);

    bridge::LuaRef canvasRef; // the sprite's LuaCanvas, unset when it has none
};
