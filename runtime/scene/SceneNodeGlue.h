// SceneNodeGlue: the hand-written pieces of the SceneNode package, included only by its generated
// glue: the `color` property, whose getter hands out the node's own colour (changing its channels
// changes the node; the userdata keeps the node alive) and whose setter copies a Color in.
#pragma once

#include "bridge/CallbackProperty.h"
#include "bridge/Errors.h"
#include "bridge/KeepAlive.h"
#include "contracts/Color.h"
#include "geometry/LuaPoint.h"
#include "scene/BlendModes.h"
#include "scene/LuaSceneNode.h"

#define TOLUA_DISABLE_tolua_get_LuaSceneNode_color
#define TOLUA_DISABLE_tolua_set_LuaSceneNode_color

static int tolua_get_LuaSceneNode_color(lua_State* L)
{
    LuaSceneNode* self = bridge::SelfForVariable<LuaSceneNode>(L, "LuaSceneNode", "color");
    Vorn::SceneNode* node = self->node();
    bridge::PushKeepingAlive(L, &node->color, "Color", node);
    return 1;
}

static int tolua_set_LuaSceneNode_color(lua_State* L)
{
    LuaSceneNode* self = bridge::SelfForVariable<LuaSceneNode>(L, "LuaSceneNode", "color");
    tolua_Error err;
    if (!tolua_isusertype(L, 2, "Color", 0, &err))
        bridge::RaiseAssignmentError(L, &err);
    const auto* color = static_cast<const Color*>(tolua_tousertype(L, 2, nullptr));
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_color: invalid Color");
    self->node()->color = *color;
    return 0;
}
