// LuaLayer: the script class Layer, a scene node holding other scene nodes and clipping them with
// its clipper. Born with its own clipper (a Lua-owned Clipper anchored in clipperRef); the
// children are held by the engine layer, not by the wrapper.
#pragma once

#include <Vorn/scene/Layer.h>

#include "bridge/LuaRef.h"
#include "scene/LuaSceneNode.h"

class LuaClipper;

class LuaLayer : public LuaSceneNode {
public:
    LuaLayer(float x, float y, lua_State* L);
    ~LuaLayer() override;

    Vorn::Layer* layer() const { return static_cast<Vorn::Layer*>(node()); }
    // Anchors the clipper wrapper (null: none) and clips with its engine clipper.
    void SetClipper(lua_State* L, LuaClipper* clipper);

    bool add_child(LuaSceneNode* child, lua_State* L);
    bool remove_child(LuaSceneNode* child, lua_State* L);
    void remove_children() { layer()->RemoveChildren(); }

    bridge::LuaRef clipperRef; // the layer's LuaClipper, unset when it has none
};
