// DrawList: building, hidden-item culling and batched execution.
#include "Vorn/render/DrawList.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Vorn {

void DrawList::Reset()
{
    ops_.clear();
    vertices_.clear();
    stats_ = DrawStats();
}

VideoVertex* DrawList::Add(TextureHandle texture, int32_t blend, uint32_t count)
{
    DrawOp op;
    op.texture = texture;
    op.blend = blend;
    op.first = static_cast<uint32_t>(vertices_.size());
    op.count = count;
    ops_.push_back(op);
    vertices_.resize(vertices_.size() + count);
    ++stats_.items;
    return vertices_.data() + op.first;
}

void DrawList::SetOutline(const Point* polygon, uint32_t count)
{
    DrawOp& op = ops_.back();
    op.outlineCount = static_cast<uint8_t>(std::min<uint32_t>(count, 8));
    std::copy(polygon, polygon + op.outlineCount, op.outline);
}

void DrawList::SetOpaque(const Point* polygon, uint32_t count)
{
    DrawOp& op = ops_.back();
    op.opaqueCount = static_cast<uint8_t>(std::min<uint32_t>(count, 8));
    std::copy(polygon, polygon + op.opaqueCount, op.opaque);
}

void DrawList::AddClip(const VideoRect* rect)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Clip;
    op.hasRect = rect != nullptr;
    if (rect != nullptr)
        op.rect = *rect;
    ops_.push_back(op);
}

void DrawList::AddTarget(TextureHandle target, bool clear, const VideoRect* restoreClip)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Target;
    op.target = target;
    op.clear = clear;
    op.hasRect = restoreClip != nullptr;
    if (restoreClip != nullptr)
        op.rect = *restoreClip;
    ops_.push_back(op);
}

// From the last item back: an item is hidden when every pixel it touches is covered by opaque
// items drawn after it; an opaque item then covers the pixels inside its opaque part. A change of
// clip or target starts the mask afresh, so only items drawn the same way hide each other. When the
// items together cover the target fewer than kWorthCovering times over, hardly any can be hidden
// and the search is not worth its cost.
void DrawList::CullHidden(uint32_t width, uint32_t height)
{
    double covering = 0.0;
    for (const DrawOp& op : ops_) {
        if (op.kind != DrawOp::Kind::Triangles || op.outlineCount < 3)
            continue;
        float x0 = op.outline[0].x, x1 = x0, y0 = op.outline[0].y, y1 = y0;
        for (uint32_t i = 1; i < op.outlineCount; ++i) {
            x0 = std::min(x0, op.outline[i].x), x1 = std::max(x1, op.outline[i].x);
            y0 = std::min(y0, op.outline[i].y), y1 = std::max(y1, op.outline[i].y);
        }
        covering += static_cast<double>(x1 - x0) * static_cast<double>(y1 - y0);
    }
    if (covering < kWorthCovering * width * height)
        return;
    covered_.Reset(width, height);
    for (std::size_t i = ops_.size(); i-- > 0;) {
        DrawOp& op = ops_[i];
        if (op.kind != DrawOp::Kind::Triangles) {
            covered_.Clear();
            continue;
        }
        if (!covered_.Empty() && covered_.Covers(op.outline, op.outlineCount)) {
            op.hidden = true;
            ++stats_.hidden;
            continue;
        }
        covered_.Add(op.opaque, op.opaqueCount);
    }
}

void DrawList::Execute(IVideo& video)
{
    std::size_t start = 0; // first op of the batch being gathered
    bool gathering = false;
    for (std::size_t i = 0; i < ops_.size(); ++i) {
        const DrawOp& op = ops_[i];
        if (op.kind == DrawOp::Kind::Triangles) {
            if (op.hidden)
                continue;
            if (gathering && (op.texture != ops_[start].texture || op.blend != ops_[start].blend)) {
                Flush(video, start, i);
                gathering = false;
            }
            if (!gathering) {
                start = i;
                gathering = true;
            }
            continue;
        }
        if (gathering)
            Flush(video, start, i);
        gathering = false;
        if (op.kind == DrawOp::Kind::Clip) {
            video.SetClipRect(op.hasRect ? &op.rect : nullptr);
        } else {
            video.SetTarget(op.target);
            if (op.clear)
                video.ClearTransparent();
            video.SetClipRect(op.hasRect ? &op.rect : nullptr);
        }
    }
    if (gathering)
        Flush(video, start, ops_.size());
}

// Draws the visible triangle items of ops [from, to) (one texture and blend mode) in one call.
void DrawList::Flush(IVideo& video, std::size_t from, std::size_t to)
{
    uint32_t first = 0;
    uint32_t end = 0;
    uint32_t total = 0;
    bool contiguous = true;
    for (std::size_t i = from; i < to; ++i) {
        const DrawOp& op = ops_[i];
        if (op.kind != DrawOp::Kind::Triangles || op.hidden)
            continue;
        if (total == 0)
            first = op.first;
        else if (op.first != end)
            contiguous = false;
        end = op.first + op.count;
        total += op.count;
    }
    if (total == 0)
        return;
    const VideoVertex* vertices = vertices_.data() + first;
    if (!contiguous) {
        batch_.clear();
        for (std::size_t i = from; i < to; ++i) {
            const DrawOp& op = ops_[i];
            if (op.kind == DrawOp::Kind::Triangles && !op.hidden)
                batch_.insert(
                    batch_.end(), vertices_.begin() + op.first, vertices_.begin() + op.first + op.count);
        }
        vertices = batch_.data();
    }
    video.DrawTriangles(ops_[from].texture, vertices, total, nullptr, 0, ops_[from].blend);
    ++stats_.batches;
    stats_.triangles += total / 3;
}

} // namespace Vorn
