// DrawList: building, hidden-item culling and batched execution.
#include "Vorn/render/DrawList.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Vorn {

namespace {

// The occlusion grid's cell side in pixels.
constexpr int32_t kCell = 8;

// Whether p lies inside the convex quad (either winding), edges included.
bool InsideQuad(const Point quad[4], float px, float py)
{
    bool negative = false;
    bool positive = false;
    for (int i = 0; i < 4; ++i) {
        const Point& a = quad[i];
        const Point& b = quad[(i + 1) % 4];
        const float cross = (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
        negative = negative || cross < -1e-3f;
        positive = positive || cross > 1e-3f;
    }
    return !(negative && positive);
}

} // namespace

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

void DrawList::Close()
{
    DrawOp& op = ops_.back();
    const VideoVertex* v = vertices_.data() + op.first;
    float minX = v[0].x, maxX = v[0].x, minY = v[0].y, maxY = v[0].y;
    for (uint32_t i = 1; i < op.count; ++i) {
        minX = std::min(minX, v[i].x);
        maxX = std::max(maxX, v[i].x);
        minY = std::min(minY, v[i].y);
        maxY = std::max(maxY, v[i].y);
    }
    op.minX = minX;
    op.maxX = maxX;
    op.minY = minY;
    op.maxY = maxY;
}

void DrawList::SetOccluder(const Point quad[4])
{
    DrawOp& op = ops_.back();
    op.occluder = true;
    std::copy(quad, quad + 4, op.opaque);
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

// From the last item back: an item is hidden when every grid cell its bounds meet is already
// covered by opaque items drawn after it; an opaque item then covers the cells inside its quad.
// A change of clip or target starts the grid afresh, so only items drawn the same way hide each
// other.
void DrawList::CullHidden(uint32_t width, uint32_t height)
{
    const int32_t columns = static_cast<int32_t>((width + kCell - 1) / kCell);
    const int32_t rows = static_cast<int32_t>((height + kCell - 1) / kCell);
    if (columns <= 0 || rows <= 0)
        return;
    const std::size_t bits = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    covered_.assign((bits + 63) / 64, 0);
    bool anyCovered = false;
    auto isCovered = [&](int32_t cx, int32_t cy) {
        const std::size_t bit = static_cast<std::size_t>(cy) * columns + static_cast<std::size_t>(cx);
        return (covered_[bit / 64] >> (bit % 64)) & 1u;
    };
    for (std::size_t i = ops_.size(); i-- > 0;) {
        DrawOp& op = ops_[i];
        if (op.kind != DrawOp::Kind::Triangles) {
            if (anyCovered)
                std::fill(covered_.begin(), covered_.end(), 0);
            anyCovered = false;
            continue;
        }
        // Cells the item's bounds meet, clamped to the target: outside it nothing shows anyway.
        const int32_t x0 = std::max(0, static_cast<int32_t>(std::floor(op.minX)) / kCell);
        const int32_t y0 = std::max(0, static_cast<int32_t>(std::floor(op.minY)) / kCell);
        const int32_t x1 = std::min(columns - 1, static_cast<int32_t>(std::ceil(op.maxX)) / kCell);
        const int32_t y1 = std::min(rows - 1, static_cast<int32_t>(std::ceil(op.maxY)) / kCell);
        if (anyCovered && x0 <= x1 && y0 <= y1) {
            bool all = true;
            for (int32_t cy = y0; cy <= y1 && all; ++cy)
                for (int32_t cx = x0; cx <= x1 && all; ++cx)
                    all = isCovered(cx, cy);
            if (all) {
                op.hidden = true;
                ++stats_.hidden;
                continue;
            }
        }
        if (!op.occluder)
            continue;
        float qx0 = op.opaque[0].x, qx1 = qx0, qy0 = op.opaque[0].y, qy1 = qy0;
        for (const Point& p : op.opaque) {
            qx0 = std::min(qx0, p.x), qx1 = std::max(qx1, p.x), qy0 = std::min(qy0, p.y),
            qy1 = std::max(qy1, p.y);
        }
        const int32_t ox0 = std::max(0, static_cast<int32_t>(std::ceil(qx0)) / kCell);
        const int32_t oy0 = std::max(0, static_cast<int32_t>(std::ceil(qy0)) / kCell);
        const int32_t ox1 = std::min(columns - 1, static_cast<int32_t>(std::floor(qx1)) / kCell);
        const int32_t oy1 = std::min(rows - 1, static_cast<int32_t>(std::floor(qy1)) / kCell);
        for (int32_t cy = oy0; cy <= oy1; ++cy)
            for (int32_t cx = ox0; cx <= ox1; ++cx) {
                const float left = static_cast<float>(cx * kCell);
                const float top = static_cast<float>(cy * kCell);
                const float right = left + kCell;
                const float bottom = top + kCell;
                if (InsideQuad(op.opaque, left, top) && InsideQuad(op.opaque, right, top)
                    && InsideQuad(op.opaque, left, bottom) && InsideQuad(op.opaque, right, bottom)) {
                    const std::size_t bit
                        = static_cast<std::size_t>(cy) * columns + static_cast<std::size_t>(cx);
                    covered_[bit / 64] |= uint64_t { 1 } << (bit % 64);
                    anyCovered = true;
                }
            }
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
