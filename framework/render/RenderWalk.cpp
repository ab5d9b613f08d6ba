// RenderWalk: passes, tints, culling and the vertices of drawn content.
#include "Vorn/render/RenderWalk.h"

#include <algorithm>
#include <cmath>

#include "Vorn/draw/Clipper.h"
#include "Vorn/scene/Camera.h"
#include "Vorn/scene/Layer.h"
#include "Vorn/scene/PartitionNode.h"
#include "Vorn/scene/Viewport.h"

namespace Vorn {

namespace {

bool Intersect(const VideoRect& a, const VideoRect& b, VideoRect& out)
{
    const int32_t x0 = std::max(a.x, b.x);
    const int32_t y0 = std::max(a.y, b.y);
    const int64_t x1 = std::min(static_cast<int64_t>(a.x) + a.width, static_cast<int64_t>(b.x) + b.width);
    const int64_t y1 = std::min(static_cast<int64_t>(a.y) + a.height, static_cast<int64_t>(b.y) + b.height);
    if (x1 <= x0 || y1 <= y0)
        return false;
    out = { x0, y0, static_cast<int32_t>(x1 - x0), static_cast<int32_t>(y1 - y0) };
    return true;
}

// The box of a pixel rectangle, in pixel coordinates.
AABB PixelBox(const VideoRect& rect)
{
    return AABB::FromCorners(static_cast<float>(rect.x), static_cast<float>(rect.y),
        static_cast<float>(rect.x) + static_cast<float>(rect.width),
        static_cast<float>(rect.y) + static_cast<float>(rect.height));
}

// The smallest pixel rectangle holding a box of pixel coordinates.
VideoRect Enclosing(const AABB& box)
{
    const auto x0 = static_cast<int32_t>(std::floor(std::max(box.MinX(), -1.0e9f)));
    const auto y0 = static_cast<int32_t>(std::floor(std::max(box.MinY(), -1.0e9f)));
    const auto x1 = static_cast<int32_t>(std::ceil(std::min(box.MaxX(), 1.0e9f)));
    const auto y1 = static_cast<int32_t>(std::ceil(std::min(box.MaxY(), 1.0e9f)));
    return { x0, y0, x1 - x0, y1 - y0 };
}

AABB BoxOf(const Bounds& bounds)
{
    return bounds.IsEmpty() ? AABB()
                            : AABB::FromCorners(bounds.min_x, bounds.min_y, bounds.max_x, bounds.max_y);
}

bool RasterizeClipper(const Node& content, float scale, Raster& out)
{
    return static_cast<const Clipper&>(content).Rasterize(scale, out);
}

int32_t KnownBlend(int32_t blend)
{
    return blend >= kVideoBlendNormal && blend <= kVideoBlendSubtract ? blend : kVideoBlendNormal;
}

} // namespace

RenderWalk::RenderWalk(DrawList& list, TextureCache& cache, TargetPool& targets)
    : list_(list)
    , cache_(cache)
    , targets_(targets)
{
}

void RenderWalk::BeginFrame(const Affine& worldToPixels, const AABB& worldCull, const VideoRect& frame,
    const std::vector<SceneNode*>* roots)
{
    pass_ = Pass { worldToPixels, worldCull, frame, false, 0, 0 };
    frame_ = frame;
    tint_ = Tint();
    roots_ = roots;
    level_ = 0;
}

void RenderWalk::Roots()
{
    if (roots_ != nullptr)
        for (const SceneNode* root : *roots_)
            Visit(*root, true);
}

void RenderWalk::Visit(const SceneNode& node, bool cull)
{
    if (!node.visible)
        return;
    if (cull && !node.Unbounded()) {
        const PartitionNode* holder = node.Parent();
        const AABB bounds = holder != nullptr ? node.Bounds().Transformed(holder->World()) : node.Bounds();
        if (!bounds.Intersects(pass_.worldCull))
            return;
    }
    node.Emit(*this);
}

void RenderWalk::Fill(const VideoRect& rect, const Color& color, float alpha)
{
    const Tint tint = Tint().Times(color, alpha);
    const float x0 = static_cast<float>(rect.x);
    const float y0 = static_cast<float>(rect.y);
    const float x1 = x0 + static_cast<float>(rect.width);
    const float y1 = y0 + static_cast<float>(rect.height);
    VideoVertex* v = list_.Add(0, kVideoBlendNormal, 6);
    const Point corners[6] = { { x0, y0 }, { x1, y0 }, { x1, y1 }, { x0, y0 }, { x1, y1 }, { x0, y1 } };
    for (int i = 0; i < 6; ++i)
        v[i] = { corners[i].x, corners[i].y, Tint::Byte(tint.r), Tint::Byte(tint.g), Tint::Byte(tint.b),
            Tint::Byte(tint.a), 0.0f, 0.0f };
    const Point outline[4] = { corners[0], corners[1], corners[2], corners[5] };
    list_.SetOutline(outline, 4);
}

void RenderWalk::Children(const PartitionNode& node)
{
    Affine toLocal;
    if (!node.World().Invert(toLocal))
        return; // collapsed onto a line: nothing of it shows
    const AABB local = pass_.worldCull.Transformed(toLocal);
    if (scratch_.size() <= level_)
        scratch_.emplace_back();
    std::vector<SceneNode*>& children = scratch_[level_];
    node.VisibleChildren(local, children);
    ++level_;
    for (const SceneNode* child : children)
        Visit(*child, false);
    --level_;
}

void RenderWalk::LayerContent(const Layer& layer)
{
    const Tint saved = tint_;
    tint_ = tint_.Times(layer.color, layer.alpha);
    Clipper* clipper = layer.GetClipper();
    if (clipper == nullptr || clipper->IsEmpty()) {
        Children(layer);
    } else {
        // A rectangle that stays one on screen clips with the clip rectangle; any other region
        // masks a target the children draw into.
        const Affine toPixels = pass_.worldToPixels * layer.World();
        Bounds rectangle;
        if (toPixels.KeepsAxes() && clipper->GetRectangle(rectangle)) {
            const AABB box = BoxOf(rectangle).Transformed(toPixels);
            const VideoRect rect { static_cast<int32_t>(std::lround(box.MinX())),
                static_cast<int32_t>(std::lround(box.MinY())),
                static_cast<int32_t>(std::lround(box.MaxX()) - std::lround(box.MinX())),
                static_cast<int32_t>(std::lround(box.MaxY()) - std::lround(box.MinY())) };
            ClippedChildren(layer, rect);
        } else {
            MaskedChildren(layer, *clipper, toPixels);
        }
    }
    tint_ = saved;
}

void RenderWalk::ClippedChildren(const Layer& layer, const VideoRect& rect)
{
    VideoRect clip;
    if (!Intersect(rect, pass_.clip, clip))
        return;
    const Pass saved = pass_;
    pass_.clip = clip;
    list_.AddClip(&clip);
    Children(layer);
    pass_ = saved;
    list_.AddClip(&pass_.clip);
}

void RenderWalk::MaskedChildren(const Layer& layer, Clipper& clipper, const Affine& toPixels)
{
    const AABB region = BoxOf(clipper.GetBounds());
    VideoRect area;
    if (!Intersect(Enclosing(region.Transformed(toPixels)), pass_.clip, area))
        return;
    const TextureHandle target = targets_.Get(
        pass_.targetLevel + 1, static_cast<uint32_t>(frame_.width), static_cast<uint32_t>(frame_.height));
    if (target == 0) {
        ClippedChildren(layer, area); // no targets: the region's box is the best clip there is
        return;
    }
    const Pass saved = pass_;
    list_.AddTarget(target, true, &area);
    pass_.clip = area;
    pass_.target = target;
    ++pass_.targetLevel;
    Children(layer);
    // Keep what the children drew only where the clipper covers.
    float scale = toPixels.LargestScale();
    const float side = 2.0f * std::max(region.half.x, region.half.y);
    if (side * scale > static_cast<float>(TextureCache::kMaxSide - 8))
        scale = static_cast<float>(TextureCache::kMaxSide - 8) / side;
    const CachedRaster* mask
        = cache_.Get(clipper, clipper.Version(), scale, RasterizeClipper, layer.ClipperMemo());
    Affine maskToPixels;
    Affine pixelsToMask;
    if (mask != nullptr) {
        const float unit = 1.0f / mask->scale;
        maskToPixels = toPixels * Affine { unit, 0.0f, 0.0f, -unit, mask->left, mask->top };
    }
    if (mask != nullptr && maskToPixels.Invert(pixelsToMask)) {
        const float x0 = static_cast<float>(area.x), y0 = static_cast<float>(area.y);
        const float x1 = x0 + static_cast<float>(area.width), y1 = y0 + static_cast<float>(area.height);
        const Point corners[4] = { { x0, y0 }, { x1, y0 }, { x1, y1 }, { x0, y1 } };
        Point uv[4];
        for (int i = 0; i < 4; ++i) {
            const Point t = pixelsToMask.Apply(corners[i]);
            uv[i] = { t.x / static_cast<float>(mask->width), t.y / static_cast<float>(mask->height) };
        }
        Quad(area, mask->texture, kVideoBlendMask, uv);
    }
    pass_ = saved;
    list_.AddTarget(saved.target, false, &saved.clip);
    const float w = static_cast<float>(frame_.width), h = static_cast<float>(frame_.height);
    const float u0 = static_cast<float>(area.x) / w, v0 = static_cast<float>(area.y) / h;
    const float u1 = static_cast<float>(area.x + area.width) / w,
                v1 = static_cast<float>(area.y + area.height) / h;
    const Point uv[4] = { { u0, v0 }, { u1, v0 }, { u1, v1 }, { u0, v1 } };
    Quad(area, target, kVideoBlendNormal, uv);
}

void RenderWalk::Quad(const VideoRect& rect, TextureHandle texture, int32_t blend, const Point uv[4])
{
    const float x0 = static_cast<float>(rect.x), y0 = static_cast<float>(rect.y);
    const float x1 = x0 + static_cast<float>(rect.width), y1 = y0 + static_cast<float>(rect.height);
    const Point corners[4] = { { x0, y0 }, { x1, y0 }, { x1, y1 }, { x0, y1 } };
    const int order[6] = { 0, 1, 2, 0, 2, 3 };
    VideoVertex* v = list_.Add(texture, blend, 6);
    for (int i = 0; i < 6; ++i) {
        const int k = order[i];
        v[i] = { corners[k].x, corners[k].y, 255, 255, 255, 255, uv[k].x, uv[k].y };
    }
    list_.SetOutline(corners, 4);
}

void RenderWalk::ViewportView(const Viewport& viewport)
{
    const Camera* camera = viewport.GetCamera();
    if (pass_.inViewport || camera == nullptr || viewport.Width() <= 0 || viewport.Height() <= 0)
        return;
    const VideoRect rect { viewport.X(), viewport.Y(), viewport.Width(), viewport.Height() };
    VideoRect clip;
    Affine view;
    if (!Intersect(rect, pass_.clip, clip) || !camera->World().Invert(view))
        return;
    // The camera's position lands on the rectangle's centre; y turns downwards.
    Affine toRect;
    toRect.d = -1.0f;
    toRect.tx = static_cast<float>(rect.x) + static_cast<float>(rect.width) * 0.5f;
    toRect.ty = static_cast<float>(rect.y) + static_cast<float>(rect.height) * 0.5f;
    const Pass saved = pass_;
    const Tint savedTint = tint_;
    pass_.worldToPixels = toRect * view;
    pass_.worldCull
        = PixelBox(clip).Transformed(camera->World() * Affine { 1, 0, 0, -1, -toRect.tx, toRect.ty });
    pass_.clip = clip;
    pass_.inViewport = true;
    list_.AddClip(&clip);
    Fill(clip, camera->color, camera->alpha);
    tint_ = tint_.Times(viewport.color, viewport.alpha);
    if (const PartitionNode* scene = camera->Parent())
        Children(*scene);
    else
        Roots();
    tint_ = savedTint;
    pass_ = saved;
    list_.AddClip(&pass_.clip);
}

void RenderWalk::Content(const SceneNode& node, Node& content, uint64_t version, const AABB& contentBox,
    RasterizeFn rasterize, CacheMemo& memo)
{
    const Affine toPixels = pass_.worldToPixels * node.World();
    float scale = toPixels.LargestScale();
    if (!(scale > 0.0f) || !std::isfinite(scale) || contentBox.IsEmpty())
        return;
    const float side = 2.0f * std::max(contentBox.half.x, contentBox.half.y);
    const float largest = static_cast<float>(TextureCache::kMaxSide - 8);
    if (side * scale > largest)
        scale = largest / side;
    const int32_t blend = KnownBlend(node.blending);
    const Tint tint = tint_.Times(node.color, node.alpha);
    const uint8_t alpha = Tint::Byte(tint.a);
    if (alpha == 0 && blend != kVideoBlendSelect)
        return; // contributes nothing; a select still replaces what is below
    // Cull against the clip before any rasterising.
    const AABB onScreen = contentBox.Transformed(toPixels);
    if (!onScreen.Intersects(PixelBox(pass_.clip)))
        return;
    const CachedRaster* raster = cache_.Get(content, version, scale, rasterize, memo);
    if (raster == nullptr)
        return;
    // Texture pixels (y down from the texture's top-left corner) to content units, then to pixels.
    const float unit = 1.0f / raster->scale;
    const Affine texToPixels = toPixels * Affine { unit, 0.0f, 0.0f, -unit, raster->left, raster->top };
    const RasterShape& shape = raster->shape;
    const float invW = 1.0f / static_cast<float>(raster->width);
    const float invH = 1.0f / static_cast<float>(raster->height);
    const uint8_t r = Tint::Byte(tint.r), g = Tint::Byte(tint.g), b = Tint::Byte(tint.b);
    VideoVertex corners[RasterShape::kMaxOutline];
    Point outline[RasterShape::kMaxOutline];
    for (uint32_t i = 0; i < shape.outlineCount; ++i) {
        const Point& t = shape.outline[i];
        outline[i] = texToPixels.Apply(t);
        corners[i] = { outline[i].x, outline[i].y, r, g, b, alpha, t.x * invW, t.y * invH };
    }
    const uint32_t triangles = shape.outlineCount - 2;
    VideoVertex* v = list_.Add(raster->texture, blend, triangles * 3);
    for (uint32_t i = 0; i < triangles; ++i) {
        *v++ = corners[0];
        *v++ = corners[i + 1];
        *v++ = corners[i + 2];
    }
    list_.SetOutline(outline, shape.outlineCount);
    if (alpha == 255 && shape.opaqueCount > 0 && (blend == kVideoBlendNormal || blend == kVideoBlendSelect)) {
        Point opaque[RasterShape::kMaxOutline];
        for (uint32_t i = 0; i < shape.opaqueCount; ++i)
            opaque[i] = texToPixels.Apply(shape.opaque[i]);
        list_.SetOpaque(opaque, shape.opaqueCount);
    }
}

} // namespace Vorn
