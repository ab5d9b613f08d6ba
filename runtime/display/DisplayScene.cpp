// DisplayScene: the display's root list of scene nodes and its camera. Each entry holds its own
// counted reference; the camera is also anchored as a script object while it is set.
#include <algorithm>

#include "bridge/Errors.h"
#include "display/LuaDisplay.h"
#include "scene/LuaCamera.h"
#include "scene/LuaLayer.h"
#include "scene/LuaSprite.h"

bool LuaDisplay::add_child(LuaSprite* node, lua_State* L)
{
    return AddChild(node, L);
}

bool LuaDisplay::add_child(LuaLayer* node, lua_State* L)
{
    return AddChild(node, L);
}

bool LuaDisplay::remove_child(LuaSprite* node, lua_State* L)
{
    return RemoveChild(node, L);
}

bool LuaDisplay::remove_child(LuaLayer* node, lua_State* L)
{
    return RemoveChild(node, L);
}

bool LuaDisplay::AddChild(LuaSceneNode* node, lua_State* L)
{
    if (node == nullptr || node->node() == nullptr)
        bridge::RaiseMessage(L, "add_child argument #2 LuaGraphicNode expected, got nil");
    children_.emplace_back(node->node());
    return true;
}

bool LuaDisplay::RemoveChild(LuaSceneNode* node, lua_State* L)
{
    if (node == nullptr || node->node() == nullptr)
        bridge::RaiseMessage(L, "remove_child argument #2 LuaGraphicNode expected, got nil");
    return RemoveNode(node->node());
}

bool LuaDisplay::RemoveNode(Vorn::SceneNode* node)
{
    const auto found = std::find_if(children_.begin(), children_.end(),
        [node](const Vorn::Ref<Vorn::SceneNode>& entry) { return entry.Get() == node; });
    if (found == children_.end())
        return false;
    children_.erase(found); // releases the entry's reference, deleting the node at zero
    return true;
}

// Released in list order, then the list is emptied.
void LuaDisplay::remove_children()
{
    for (Vorn::Ref<Vorn::SceneNode>& entry : children_)
        entry.Reset();
    children_.clear();
}

void LuaDisplay::SetCamera(lua_State* L, LuaCamera* camera)
{
    if (cameraNode_ != nullptr)
        RemoveNode(cameraNode_);
    cameraNode_ = nullptr;
    cameraRef_.Release();
    if (camera == nullptr)
        return;
    cameraRef_.SetObject(L, camera, "LuaCamera");
    cameraNode_ = camera->node();
    children_.emplace_back(cameraNode_);
}
