// LuaSceneNode: the script-facing base of every scene node (sprites, layers, cameras,
// viewports). Holds one counted reference on its engine node and is its owner; exposes the node's
// appearance and transform, and keeps the absolute rotation (degrees), scale and shear a script
// set, since the engine node only takes relative changes. The Point and Color taking forms raise
// the API's messages for nil on the lua_State given.
#pragma once

#include <Vorn/scene/SceneNode.h>

#include "bridge/Held.h"
#include "geometry/LuaPoint.h"

struct Color;
struct lua_State;

class LuaSceneNode {
public:
    virtual ~LuaSceneNode();
    LuaSceneNode(const LuaSceneNode&) = delete;
    LuaSceneNode& operator=(const LuaSceneNode&) = delete;

    Vorn::SceneNode* node() const { return node_.Get(); }

    // Properties. color has its own accessors in the glue (a reference into the node).
    float get_alpha() const { return node_->alpha; }
    void set_alpha(float alpha) { node_->alpha = alpha; }
    bool get_visible() const { return node_->visible; }
    void set_visible(bool visible) { node_->visible = visible; }
    float get_depth() const { return node_->depth; }
    void set_depth(float depth) { node_->depth = depth; }
    double get_blending() const { return node_->blending; }
    // Truncated toward zero (2.9 gives 2, -1.5 gives -1).
    void set_blending(double mode);
    float get_x() const { return node_->Position().x; }
    void set_x(float x) { node_->SetX(x); }
    float get_y() const { return node_->Position().y; }
    void set_y(float y) { node_->SetY(y); }
    float get_rotation() const { return rotation; }
    void set_rotation(float degrees);
    float get_scalex() const { return scalex; }
    void set_scalex(float scale);
    float get_scaley() const { return scaley; }
    void set_scaley(float scale);
    float get_shearx() const { return shearx; }
    void set_shearx(float shear);
    float get_sheary() const { return sheary; }
    void set_sheary(float shear);

    void set_factor(const Color* color, float alpha, lua_State* L);
    void change_position(const LuaPoint* p, lua_State* L);
    void change_position_xy(float x, float y) { node_->ChangePosition(x, y); }
    void set_position(const LuaPoint* p, lua_State* L);
    void set_position_xy(float x, float y) { node_->SetPosition(x, y); }
    void set_rotation_r(float radians);
    void change_rotation(float degrees);
    void change_rotation_r(float radians);
    void change_scalex(float factor);
    void change_scaley(float factor);
    void change_scale(float fx, float fy);
    void set_scale(float x, float y);
    void change_shearx(float amount);
    void change_sheary(float amount);
    void change_shear(float dx, float dy);
    void set_shear(float x, float y);
    LuaPoint GetWorldPoint(const LuaPoint* p, lua_State* L) const;
    LuaPoint GetWorldPoint(float x, float y) const;
    LuaPoint GetLocalPoint(const LuaPoint* p, lua_State* L) const;
    LuaPoint GetLocalPoint(float x, float y) const;

protected:
    // Takes the node's first reference and becomes its owner.
    explicit LuaSceneNode(Vorn::SceneNode* node);

private:
    bridge::Held<Vorn::SceneNode> node_;

public:
    // The absolute transform scripts set: degrees, scale per axis, shear per axis.
    float rotation = 0.0f;
    float scalex = 1.0f;
    float scaley = 1.0f;
    float shearx = 0.0f;
    float sheary = 0.0f;
};
