// Canvas: recording. Every drawing call appends one operation carrying the style in force and
// bumps the version; nothing is rasterised here.
#include "Vorn/draw/Canvas.h"

#include <cmath>
#include <limits>
#include <utility>

#include "Vorn/draw/Rasterize.h"

namespace Vorn {

namespace {

using Kind = PathSegment::Kind;

// How far a mitred join can reach beyond the path, in line widths (half the miter limit of 4).
constexpr float kStrokeReach = 2.0f;

Bounds Everywhere()
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    return Bounds(-inf, -inf, inf, inf);
}

bool IsEverywhere(const Bounds& box)
{
    return std::isinf(box.min_x) && std::isinf(box.max_x) && std::isinf(box.min_y) && std::isinf(box.max_y);
}

} // namespace

Canvas::Canvas(IVideo* video)
    : video_(video)
    , clip_(Everywhere())
{
}

Canvas::~Canvas() = default;

void Canvas::SetFillStyle(Gradient* gradient, float alpha)
{
    gradient_.Reset(gradient);
    gradient_alpha_ = alpha;
}

void Canvas::SetLineStyle(float width, const Color& color, float alpha)
{
    SetLineStyle(width, color);
    line_alpha_ = alpha;
}

void Canvas::SetLineStyle(float width, const Color& color)
{
    line_width = width;
    line_color_ = color;
}

void Canvas::SetSourceImage(Image* image, float x, float y)
{
    source_image_.Reset(image);
    source_offset_ = Point(x, y);
}

void Canvas::SetSourceImage(Image* image, const Point& offset)
{
    SetSourceImage(image, offset.x, offset.y);
}

void Canvas::SetFont(Font* font, const Color& color, float alpha)
{
    SetFont(font, color);
    text_alpha_ = alpha;
}

void Canvas::SetFont(Font* font, const Color& color)
{
    SetFont(font);
    text_color_ = color;
}

void Canvas::SetFont(Font* font)
{
    font_.Reset(font);
}

void Canvas::Write(const char* text)
{
    if (text == nullptr || !font_ || !font_->Shape(text, shaping_))
        return;
    const Point start = current;
    const Bounds& ink = shaping_.ink;
    // Blanks move the pen but leave nothing to draw.
    if (!ink.IsEmpty()) {
        const auto first = static_cast<uint32_t>(glyphs_.size());
        for (const ShapedGlyph& glyph : shaping_.glyphs)
            glyphs_.push_back({ glyph.index, start.x + glyph.x, start.y + glyph.y });
        const Bounds area(start.x + ink.min_x, start.y + ink.min_y, start.x + ink.max_x, start.y + ink.max_y);
        Record({ Operation::Kind::Text, { first, static_cast<uint32_t>(glyphs_.size()) }, text_color_,
            text_alpha_, static_cast<float>(font_->GetSize()), {}, KeepFace(font_->Face()), area, {} });
    }
    MoveTo(start.x + shaping_.advance, start.y);
}

void Canvas::Record(Operation operation)
{
    operation.clip = clip_;
    operations_.push_back(operation);
    ++version_;
}

void Canvas::RecordFill(bool preserve)
{
    const PathRange path = TakePath(preserve);
    if (!Segments().Draws(path))
        return;
    Record(
        { Operation::Kind::Fill, path, fill_color, fill_alpha, 0.0f, {}, 0, Segments().BoundsOf(path), {} });
}

void Canvas::RecordStroke(bool preserve)
{
    const PathRange path = TakePath(preserve);
    const float width = line_width;
    const float reach = width * kStrokeReach;
    if (!Segments().Draws(path) || !(width > 0.0f) || !std::isfinite(reach))
        return;
    Record({ Operation::Kind::Stroke, path, line_color_, line_alpha_, width, {}, 0,
        Segments().BoundsOf(path).Expanded(reach), {} });
}

void Canvas::RecordClip(bool preserve)
{
    const PathRange path = TakePath(preserve);
    // A path that encloses nothing clips everything away, as an empty region should.
    const Bounds area = Segments().Draws(path) ? Segments().BoundsOf(path) : Bounds();
    Record({ Operation::Kind::Clip, path, {}, 0.0f, 0.0f, {}, 0, area, {} });
    clip_ = clip_.Intersected(area);
}

void Canvas::RecordFillGradient(bool preserve)
{
    const PathRange path = TakePath(preserve);
    if (!gradient_ || !Segments().Draws(path))
        return;
    Record({ Operation::Kind::FillGradient, path, {}, gradient_alpha_, 0.0f, {},
        KeepGradient(gradient_.Get()), Segments().BoundsOf(path), {} });
}

void Canvas::Fill()
{
    RecordFill(false);
}

void Canvas::FillPreserve()
{
    RecordFill(true);
}

void Canvas::Stroke()
{
    RecordStroke(false);
}

void Canvas::StrokePreserve()
{
    RecordStroke(true);
}

void Canvas::Clip()
{
    RecordClip(false);
}

void Canvas::ClipPreserve()
{
    RecordClip(true);
}

void Canvas::FillGradient()
{
    RecordFillGradient(false);
}

void Canvas::FillGradientPreserve()
{
    RecordFillGradient(true);
}

void Canvas::Paint()
{
    if (source_image_) {
        Record({ Operation::Kind::PaintImage, {}, {}, 1.0f, 0.0f, source_offset_,
            KeepImage(source_image_.Get()), {}, {} });
        return;
    }
    Record({ Operation::Kind::PaintColor, {}, fill_color, fill_alpha, 0.0f, {}, 0, Everywhere(), {} });
}

uint32_t Canvas::KeepGradient(Gradient* gradient)
{
    const auto [at, added] = gradient_index_.try_emplace(gradient, static_cast<uint32_t>(gradients_.size()));
    if (added)
        gradients_.emplace_back(gradient);
    return at->second;
}

uint32_t Canvas::KeepImage(Image* image)
{
    const auto [at, added] = image_index_.try_emplace(image, static_cast<uint32_t>(images_.size()));
    if (added)
        images_.emplace_back(image);
    return at->second;
}

uint32_t Canvas::KeepFace(const std::shared_ptr<const FontFace>& face)
{
    const auto [at, added] = face_index_.try_emplace(face.get(), static_cast<uint32_t>(faces_.size()));
    if (added)
        faces_.push_back(face);
    return at->second;
}

void Canvas::Clear()
{
    // The versions of the resources let go stay counted, so Version never comes back to a value
    // it had.
    uint64_t released = 1;
    for (const Ref<Gradient>& g : gradients_)
        released += g->Version();
    for (const Ref<Image>& i : images_)
        released += i->Version();
    version_ += released;
    std::vector<Operation>().swap(operations_);
    std::vector<Ref<Gradient>>().swap(gradients_);
    std::unordered_map<const Gradient*, uint32_t>().swap(gradient_index_);
    std::vector<Ref<Image>>().swap(images_);
    std::unordered_map<const Image*, uint32_t>().swap(image_index_);
    std::vector<std::shared_ptr<const FontFace>>().swap(faces_);
    std::unordered_map<const FontFace*, uint32_t>().swap(face_index_);
    std::vector<ShapedGlyph>().swap(glyphs_);
    clip_ = Everywhere();
    ResetPath();
}

uint64_t Canvas::Version() const
{
    uint64_t version = version_;
    for (const Ref<Gradient>& g : gradients_)
        version += g->Version();
    for (const Ref<Image>& i : images_)
        version += i->Version();
    return version;
}

Bounds Canvas::AreaOf(const Operation& operation) const
{
    if (operation.kind != Operation::Kind::PaintImage)
        return operation.area;
    const Image* image = images_[operation.resource].Get();
    if (!image->IsLoaded())
        return Bounds();
    const Point& at = operation.offset;
    return Bounds(
        at.x, at.y - static_cast<float>(image->Height()), at.x + static_cast<float>(image->Width()), at.y);
}

Bounds Canvas::GetBounds() const
{
    const uint64_t version = Version();
    if (version == bounds_version_)
        return bounds_;
    Bounds box;
    for (const Operation& operation : operations_) {
        if (operation.kind == Operation::Kind::Clip)
            continue;
        const Bounds area = AreaOf(operation).Intersected(operation.clip);
        // An unclipped paint covers whatever the rest covers, so it adds nothing of its own.
        if (!IsEverywhere(area))
            box.Add(area);
    }
    bounds_ = box;
    bounds_version_ = version;
    return box;
}

bool Canvas::Rasterize(float scale, Raster& out) const
{
    return RasterizeContent(*this, GetBounds(), scale, out);
}

} // namespace Vorn
