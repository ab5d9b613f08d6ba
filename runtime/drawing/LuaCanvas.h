// LuaCanvas: the script class Canvas. Owns one counted reference to its engine canvas (created on
// the process-wide video interface) and reaches it as a path through LuaPath. Styles given with
// a colour are copied into the canvas's fields; the rest go through engine calls. Nil objects
// raise the operation's message before anything changes.
#pragma once

#include <Vorn/draw/Canvas.h>

#include "bridge/Held.h"
#include "drawing/LuaPath.h"

struct Color;
class LuaFont;
class LuaImage;
class LuaLinearGradient;

class LuaCanvas : public LuaPath {
public:
    LuaCanvas();
    ~LuaCanvas() override;

    void SetFillStyle(LuaLinearGradient* gradient, float alpha, lua_State* L);
    void SetFillStyle(const Color* color, float alpha, lua_State* L);
    // Colour only: the fill alpha stays.
    void SetFillStyle(const Color* color, lua_State* L);
    void SetLineStyle(float width, const Color* color, float alpha, lua_State* L);
    // Width and colour: the line alpha stays.
    void SetLineStyle(float width, const Color* color, lua_State* L);
    // Width only: colour and alpha stay.
    void SetLineStyle(float width);
    void SetSourceImage(LuaImage* image, float x, float y, lua_State* L);
    void SetSourceImage(LuaImage* image, const LuaPoint* p, lua_State* L);
    void SetSourceImage(LuaImage* image, lua_State* L);
    void SetFont(LuaFont* font, const Color* color, float alpha, lua_State* L);
    void SetFont(LuaFont* font, const Color* color, lua_State* L);
    void SetFont(LuaFont* font, lua_State* L);
    void Write(const char* text, lua_State* L);

    void Fill() { canvas_->Fill(); }
    void FillPreserve() { canvas_->FillPreserve(); }
    void Stroke() { canvas_->Stroke(); }
    void StrokePreserve() { canvas_->StrokePreserve(); }
    void Clip() { canvas_->Clip(); }
    void ClipPreserve() { canvas_->ClipPreserve(); }
    void FillGradient() { canvas_->FillGradient(); }
    void FillGradientPreserve() { canvas_->FillGradientPreserve(); }
    void Paint() { canvas_->Paint(); }
    void Clear() { canvas_->Clear(); }

    Vorn::Canvas* canvas() const { return canvas_.Get(); }

private:
    explicit LuaCanvas(Vorn::Canvas* canvas);

    bridge::Held<Vorn::Canvas> canvas_;
};
