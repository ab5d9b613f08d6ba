// Canvas: an unbounded surface scripts draw on, kept as retained vector operations (fills,
// strokes, clips, paints, text) that replay into cairo whenever a raster is asked for, so it
// stays sharp at any scale and drawing never rasterises. Each operation captures the style in
// force when it was recorded; gradients, images and font faces stay referenced by the content
// that uses them. Text is kept as shaped glyphs and drawn from the face's outlines.
// Fills use the non-zero winding rule. Lines have mitred joins (limit 4) and flat ends.
// Needs cairo for Blit and Rasterize; callers see only Raster.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "Vorn/core/Node.h"
#include "Vorn/core/Ref.h"
#include "Vorn/draw/Bounds.h"
#include "Vorn/draw/Gradient.h"
#include "Vorn/draw/IPath.h"
#include "Vorn/draw/Raster.h"
#include "Vorn/image/Image.h"
#include "Vorn/text/Font.h"
#include "contracts/Color.h"

class IVideo;

namespace Vorn {

class Canvas : public SharedChildNode, public IPath {
public:
    // `video` may be null (no video device); the canvas still records and rasterises.
    explicit Canvas(IVideo* video);
    ~Canvas() override;

    // The style of Fill, and of Paint without a source image. Assigned directly by scripts.
    Color fill_color { 255, 255, 255 };
    float fill_alpha = 1.0f;

    // The gradient FillGradient uses, with an alpha multiplying its stops' (null: none). The
    // canvas holds its own reference, so the caller may drop the gradient afterwards.
    void SetFillStyle(Gradient* gradient, float alpha);
    // Line width and colour; the two-argument form keeps the line alpha.
    void SetLineStyle(float width, const Color& color, float alpha);
    void SetLineStyle(float width, const Color& color);
    // The image Paint draws, its top-left corner at (x, y), one pixel per unit (null: none).
    void SetSourceImage(Image* image, float x, float y);
    void SetSourceImage(Image* image, const Point& offset);
    // The font Write uses, with the text colour and alpha; shorter forms keep what they omit.
    void SetFont(Font* font, const Color& color, float alpha);
    void SetFont(Font* font, const Color& color);
    void SetFont(Font* font);
    // One line of UTF-8 text, shaped, upright, its baseline starting at the current point and
    // laid out rightwards, in the font's colour and alpha; the current point moves to its end
    // (by the shaped advance). Nothing without a loaded font.
    void Write(const char* text);

    // Fill the path with the fill colour; the _Preserve forms keep the path for further use.
    void Fill();
    void FillPreserve();
    // Stroke the path with the line style.
    void Stroke();
    void StrokePreserve();
    // Narrow the clip region to the path's inside; it lasts until Clear.
    void Clip();
    void ClipPreserve();
    // Fill the path with the gradient of SetFillStyle (consumes the path and draws nothing
    // when there is none).
    void FillGradient();
    void FillGradientPreserve();
    // Draw the source image at its offset, or, without one, fill the clip region with the fill
    // colour; unclipped, that region is all the canvas covers.
    void Paint();
    // Forget every operation, the path and the clip (styles stay) and free what they held.
    void Clear();

    // Changes whenever what a raster would show changes: new operations, Clear, a changed stop of
    // a gradient or new pixels of an image the content uses. Equal versions give equal rasters.
    uint64_t Version() const;
    // The box the content covers in content space (y up); empty when nothing would show.
    Bounds GetBounds() const;
    // Renders the content at `scale` pixels per unit over GetBounds(). False when there is
    // nothing to draw. Always renders: callers keep the result by Version() and scale.
    bool Rasterize(float scale, Raster& out) const;
    void Blit(cairo_t* context) const override;

    const Color& LineColor() const { return line_color_; }
    float LineAlpha() const { return line_alpha_; }
    Gradient* FillGradientStyle() const { return gradient_.Get(); }
    Image* SourceImage() const { return source_image_.Get(); }
    Font* TextFont() const { return font_.Get(); }
    const Color& TextColor() const { return text_color_; }
    float TextAlpha() const { return text_alpha_; }
    // How many operations the content holds.
    size_t OperationCount() const { return operations_.size(); }
    IVideo* Video() const { return video_; }

private:
    struct Operation {
        enum class Kind : uint8_t { Fill, FillGradient, Stroke, Clip, PaintColor, PaintImage, Text };
        Kind kind;
        PathRange path; // Text: its glyphs, a range of glyphs_
        Color color; // Fill, Stroke, PaintColor, Text
        float alpha; // Fill, Stroke, PaintColor, FillGradient, Text
        float width; // Stroke; Text: the font size in pixels
        Point offset; // PaintImage: the image's top-left corner
        uint32_t resource; // FillGradient: index in gradients_; PaintImage: in images_; Text: in faces_
        Bounds area; // what it covers before clipping (no path: everywhere)
        Bounds clip; // the clip region's box when it was recorded
    };

    void Record(Operation operation);
    void RecordFill(bool preserve);
    void RecordStroke(bool preserve);
    void RecordClip(bool preserve);
    void RecordFillGradient(bool preserve);
    uint32_t KeepGradient(Gradient* gradient);
    uint32_t KeepImage(Image* image);
    uint32_t KeepFace(const std::shared_ptr<const FontFace>& face);
    Bounds AreaOf(const Operation& operation) const;
    void ReplayPaintImage(cairo_t* context, const Operation& operation) const;
    void ReplayText(cairo_t* context, const Operation& operation) const;

    IVideo* video_;
    Color line_color_ { 255, 255, 255 };
    float line_alpha_ = 1.0f;
    Ref<Gradient> gradient_;
    float gradient_alpha_ = 1.0f;
    Ref<Image> source_image_;
    Point source_offset_;
    Ref<Font> font_;
    Color text_color_ { 255, 255, 255 };
    float text_alpha_ = 1.0f;

    std::vector<Operation> operations_;
    // What the operations refer to, each once, kept alive while the content uses it.
    std::vector<Ref<Gradient>> gradients_;
    std::unordered_map<const Gradient*, uint32_t> gradient_index_;
    std::vector<Ref<Image>> images_;
    std::unordered_map<const Image*, uint32_t> image_index_;
    std::vector<std::shared_ptr<const FontFace>> faces_;
    std::unordered_map<const FontFace*, uint32_t> face_index_;
    // The glyphs of every text operation: origins in content space, on the baseline.
    std::vector<ShapedGlyph> glyphs_;
    ShapedLine shaping_; // Write's scratch line
    Bounds clip_; // the current clip region's box
    uint64_t version_ = 1; // own changes, plus the versions of resources Clear let go
    mutable uint64_t bounds_version_ = 0;
    mutable Bounds bounds_;
};

} // namespace Vorn
