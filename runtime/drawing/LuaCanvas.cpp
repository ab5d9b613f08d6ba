// LuaCanvas: the style setters with their checks, and set_font's ordered refusals.
#include "drawing/LuaCanvas.h"

#include "bridge/Errors.h"
#include "drawing/LuaFont.h"
#include "drawing/LuaImage.h"
#include "drawing/LuaLinearGradient.h"
#include "geometry/LuaPoint.h"
#include "host/Plugins.h"

LuaCanvas::LuaCanvas()
    : LuaCanvas(new Vorn::Canvas(host::Plugins().video))
{
}

// The wrapper takes the canvas's first reference and is its owner.
LuaCanvas::LuaCanvas(Vorn::Canvas* canvas)
    : LuaPath(canvas)
    , canvas_(canvas, this)
{
}

LuaCanvas::~LuaCanvas() = default;

void LuaCanvas::SetFillStyle(LuaLinearGradient* gradient, float alpha, lua_State* L)
{
    if (gradient == nullptr)
        bridge::RaiseExpected(L, "set_fill_style", "Gradient", 2);
    canvas_->SetFillStyle(gradient->gradient(), alpha);
}

void LuaCanvas::SetFillStyle(const Color* color, float alpha, lua_State* L)
{
    SetFillStyle(color, L);
    canvas_->fill_alpha = alpha;
}

void LuaCanvas::SetFillStyle(const Color* color, lua_State* L)
{
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_fill_style: invalid Color.");
    canvas_->fill_color = *color;
}

void LuaCanvas::SetLineStyle(float width, const Color* color, float alpha, lua_State* L)
{
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_line_style: invalid Color.");
    canvas_->SetLineStyle(width, *color, alpha);
}

void LuaCanvas::SetLineStyle(float width, const Color* color, lua_State* L)
{
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_line_style: invalid Color.");
    canvas_->SetLineStyle(width, *color);
}

void LuaCanvas::SetLineStyle(float width)
{
    canvas_->line_width = width;
}

void LuaCanvas::SetSourceImage(LuaImage* image, float x, float y, lua_State* L)
{
    if (image == nullptr)
        bridge::RaiseExpected(L, "set_source_image", "Image", 2);
    canvas_->SetSourceImage(image->image(), x, y);
}

// A nil point is refused rather than read: there is no position to paint at.
void LuaCanvas::SetSourceImage(LuaImage* image, const LuaPoint* p, lua_State* L)
{
    if (image == nullptr)
        bridge::RaiseExpected(L, "set_source_image", "Image", 2);
    if (p == nullptr)
        bridge::RaiseMessage(L, "set_source_image: invalid position.");
    canvas_->SetSourceImage(image->image(), *p);
}

void LuaCanvas::SetSourceImage(LuaImage* image, lua_State* L)
{
    SetSourceImage(image, 0.0f, 0.0f, L);
}

// set_font refuses in a fixed order: no font, then (with a colour given) a font without a
// loaded face, or a nil colour whether the font is loaded or not.
void LuaCanvas::SetFont(LuaFont* font, const Color* color, float alpha, lua_State* L)
{
    if (font == nullptr || font->font() == nullptr)
        bridge::RaiseMessage(L, "set_font: Invalid font.");
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_font: Invalid color.");
    if (!font->font()->IsLoaded())
        bridge::RaiseMessage(L, "set_font failed.");
    canvas_->SetFont(font->font(), *color, alpha);
}

void LuaCanvas::SetFont(LuaFont* font, const Color* color, lua_State* L)
{
    if (font == nullptr || font->font() == nullptr)
        bridge::RaiseMessage(L, "set_font: Invalid font.");
    if (color == nullptr)
        bridge::RaiseMessage(L, "set_font: Invalid color.");
    if (!font->font()->IsLoaded())
        bridge::RaiseMessage(L, "set_font: failed.");
    canvas_->SetFont(font->font(), *color);
}

void LuaCanvas::SetFont(LuaFont* font, lua_State* L)
{
    if (font == nullptr || font->font() == nullptr || !font->font()->IsLoaded())
        bridge::RaiseMessage(L, "set_font: Invalid font.");
    canvas_->SetFont(font->font());
}

void LuaCanvas::Write(const char* text, lua_State* L)
{
    if (text == nullptr)
        bridge::RaiseMessage(L, "write: text expected, got nil.");
    canvas_->Write(text);
}
