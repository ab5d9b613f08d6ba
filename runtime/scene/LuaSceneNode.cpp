// LuaSceneNode: the absolute rotation, scale and shear kept over the engine's relative changes,
// and the point conversions. Every intermediate is a float, as the records are.
#include "scene/LuaSceneNode.h"

#include "bridge/Errors.h"
#include "bridge/Numbers.h"
#include "contracts/Color.h"

namespace {

constexpr float kDegreesPerRadian = 57.29578f;

// The factor that takes a recorded scale to a new one; an axis scaled to 0 stays collapsed.
float ScaleFactor(float recorded, float wanted)
{
    return recorded == 0.0f ? 0.0f : static_cast<float>(wanted / recorded);
}

} // namespace

LuaSceneNode::LuaSceneNode(Vorn::SceneNode* node)
    : node_(node, this)
{
}

LuaSceneNode::~LuaSceneNode() = default;

void LuaSceneNode::set_blending(double mode)
{
    node_->blending = bridge::Truncate<int32_t>(mode);
}

void LuaSceneNode::set_rotation(float degrees)
{
    node_->ChangeRotation(static_cast<float>(degrees - rotation));
    rotation = degrees;
}

void LuaSceneNode::set_rotation_r(float radians)
{
    const auto degrees = static_cast<float>(radians * kDegreesPerRadian);
    node_->ChangeRotation(static_cast<float>(degrees - rotation));
    rotation = degrees;
}

void LuaSceneNode::change_rotation(float degrees)
{
    node_->ChangeRotation(degrees);
    rotation = static_cast<float>(rotation + degrees);
}

void LuaSceneNode::change_rotation_r(float radians)
{
    node_->ChangeRotationR(radians);
    rotation = static_cast<float>(rotation + static_cast<float>(radians * kDegreesPerRadian));
}

void LuaSceneNode::set_scalex(float scale)
{
    node_->ChangeScale(ScaleFactor(scalex, scale), 1.0f);
    scalex = scale;
}

void LuaSceneNode::set_scaley(float scale)
{
    node_->ChangeScale(1.0f, ScaleFactor(scaley, scale));
    scaley = scale;
}

void LuaSceneNode::set_scale(float x, float y)
{
    node_->ChangeScale(ScaleFactor(scalex, x), ScaleFactor(scaley, y));
    scalex = x;
    scaley = y;
}

void LuaSceneNode::change_scalex(float factor)
{
    node_->ChangeScale(factor, 1.0f);
    scalex = static_cast<float>(scalex * factor);
}

void LuaSceneNode::change_scaley(float factor)
{
    node_->ChangeScale(1.0f, factor);
    scaley = static_cast<float>(scaley * factor);
}

void LuaSceneNode::change_scale(float fx, float fy)
{
    node_->ChangeScale(fx, fy);
    scalex = static_cast<float>(scalex * fx);
    scaley = static_cast<float>(scaley * fy);
}

void LuaSceneNode::set_shearx(float shear)
{
    node_->ChangeShear(static_cast<float>(shear - shearx), 0.0f);
    shearx = shear;
}

void LuaSceneNode::set_sheary(float shear)
{
    node_->ChangeShear(0.0f, static_cast<float>(shear - sheary));
    sheary = shear;
}

void LuaSceneNode::set_shear(float x, float y)
{
    node_->ChangeShear(static_cast<float>(x - shearx), static_cast<float>(y - sheary));
    shearx = x;
    sheary = y;
}

void LuaSceneNode::change_shearx(float amount)
{
    node_->ChangeShear(amount, 0.0f);
    shearx = static_cast<float>(shearx + amount);
}

void LuaSceneNode::change_sheary(float amount)
{
    node_->ChangeShear(0.0f, amount);
    sheary = static_cast<float>(sheary + amount);
}

void LuaSceneNode::change_shear(float dx, float dy)
{
    node_->ChangeShear(dx, dy);
    shearx = static_cast<float>(shearx + dx);
    sheary = static_cast<float>(sheary + dy);
}

void LuaSceneNode::set_factor(const Color* color, float alpha, lua_State* L)
{
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_color: invalid Color");
    node_->color = *color;
    node_->alpha = alpha;
}

void LuaSceneNode::change_position(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "change_position: invalid position.");
    node_->ChangePosition(*p);
}

void LuaSceneNode::set_position(const LuaPoint* p, lua_State* L)
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "set_position: invalid position.");
    node_->SetPosition(*p);
}

LuaPoint LuaSceneNode::GetWorldPoint(const LuaPoint* p, lua_State* L) const
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "get_wworld_point: invalid point");
    Vorn::Point point = *p;
    node_->GetWorldPoint(point);
    return LuaPoint(point.x, point.y);
}

LuaPoint LuaSceneNode::GetWorldPoint(float x, float y) const
{
    node_->GetWorldPoint(x, y);
    return LuaPoint(x, y);
}

LuaPoint LuaSceneNode::GetLocalPoint(const LuaPoint* p, lua_State* L) const
{
    if (p == nullptr)
        bridge::RaiseMessage(L, "get_local_point: invalid point");
    Vorn::Point point = *p;
    node_->GetLocalPoint(point);
    return LuaPoint(point.x, point.y);
}

LuaPoint LuaSceneNode::GetLocalPoint(float x, float y) const
{
    node_->GetLocalPoint(x, y);
    return LuaPoint(x, y);
}
