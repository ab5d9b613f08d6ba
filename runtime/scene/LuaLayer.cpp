// LuaLayer: a new engine layer at its centre with a new clipper of its own; its children.
#include "scene/LuaLayer.h"

#include "bridge/Errors.h"
#include "bridge/RuntimeNode.h"
#include "scene/LuaClipper.h"

LuaLayer::LuaLayer(float x, float y, lua_State* L)
    : LuaSceneNode(new bridge::RuntimeNode<Vorn::Layer>(x, y))
{
    auto* clipper = new LuaClipper();
    clipperRef.SetObject(L, clipper, "LuaClipper", true);
    layer()->SetClipper(clipper->clipper());
}

LuaLayer::~LuaLayer() = default;

void LuaLayer::SetClipper(lua_State* L, LuaClipper* clipper)
{
    clipperRef.SetObject(L, clipper, "LuaClipper");
    layer()->SetClipper(clipper != nullptr ? clipper->clipper() : nullptr);
}

bool LuaLayer::add_child(LuaSceneNode* child, lua_State* L)
{
    if (child == nullptr)
        bridge::RaiseMessage(L, "add_child(): invalid parameter, SceneNode expected, got nil");
    return layer()->AddChild(child->node());
}

bool LuaLayer::remove_child(LuaSceneNode* child, lua_State* L)
{
    if (child == nullptr)
        bridge::RaiseMessage(L, "remove_child(): invalid parameter, SceneNode expected, got nil");
    return layer()->RemoveChild(child->node());
}
