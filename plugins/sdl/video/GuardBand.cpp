// GuardBand: Sutherland-Hodgman clipping of each triangle against the band's four edges, then a
// fan of the clipped polygon. See GuardBand.h.
#include "GuardBand.h"

#include <cmath>

namespace sdlvideo {

namespace {

// The point at `t` from a to b, worked out in double precision: positions far outside the band
// (a sprite scaled up a million times) must still land on it.
SDL_Vertex Between(const SDL_Vertex& a, const SDL_Vertex& b, double t)
{
    auto mix = [t](float p, float q) {
        return static_cast<float>(static_cast<double>(p) + (static_cast<double>(q) - p) * t);
    };
    auto mixByte = [t](uint8_t p, uint8_t q) {
        return static_cast<uint8_t>(std::lround(static_cast<double>(p) + (static_cast<double>(q) - p) * t));
    };
    SDL_Vertex v;
    v.position = { mix(a.position.x, b.position.x), mix(a.position.y, b.position.y) };
    v.color = { mixByte(a.color.r, b.color.r), mixByte(a.color.g, b.color.g), mixByte(a.color.b, b.color.b),
        mixByte(a.color.a, b.color.a) };
    v.tex_coord = { mix(a.tex_coord.x, b.tex_coord.x), mix(a.tex_coord.y, b.tex_coord.y) };
    return v;
}

// Keeps the part of `in` where side(v) >= 0; side is linear in the position.
template <typename Side>
void ClipEdge(const std::vector<SDL_Vertex>& in, std::vector<SDL_Vertex>& out, Side side)
{
    out.clear();
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n; ++i) {
        const SDL_Vertex& a = in[i];
        const SDL_Vertex& b = in[(i + 1) % n];
        const double sa = side(a), sb = side(b);
        if (sa >= 0.0)
            out.push_back(a);
        if ((sa >= 0.0) != (sb >= 0.0))
            out.push_back(Between(a, b, sa / (sa - sb)));
    }
}

bool Finite(const SDL_Vertex& v)
{
    return std::isfinite(v.position.x) && std::isfinite(v.position.y);
}

} // namespace

bool InsideGuardBand(const SDL_Vertex* vertices, uint32_t vertexCount, const GuardRect& band)
{
    for (uint32_t i = 0; i < vertexCount; ++i) {
        const SDL_FPoint& p = vertices[i].position;
        // Written so that NaN counts as outside.
        if (!(p.x >= band.left && p.x <= band.right && p.y >= band.top && p.y <= band.bottom))
            return false;
    }
    return true;
}

void CutToGuardBand(const SDL_Vertex* vertices, uint32_t vertexCount, const int32_t* indices,
    uint32_t indexCount, const GuardRect& band, std::vector<SDL_Vertex>& out)
{
    std::vector<SDL_Vertex> polygon, scratch;
    const uint32_t corners = indices != nullptr ? indexCount : vertexCount;
    for (uint32_t t = 0; t + 2 < corners; t += 3) {
        polygon.clear();
        bool valid = true;
        for (uint32_t k = 0; k < 3; ++k) {
            const int64_t index = indices != nullptr ? indices[t + k] : static_cast<int64_t>(t + k);
            if (index < 0 || index >= vertexCount || !Finite(vertices[index])) {
                valid = false;
                break;
            }
            polygon.push_back(vertices[index]);
        }
        if (!valid)
            continue;
        ClipEdge(polygon, scratch,
            [&](const SDL_Vertex& v) { return static_cast<double>(v.position.x) - band.left; });
        ClipEdge(scratch, polygon,
            [&](const SDL_Vertex& v) { return static_cast<double>(band.right) - v.position.x; });
        ClipEdge(polygon, scratch,
            [&](const SDL_Vertex& v) { return static_cast<double>(v.position.y) - band.top; });
        ClipEdge(scratch, polygon,
            [&](const SDL_Vertex& v) { return static_cast<double>(band.bottom) - v.position.y; });
        for (std::size_t i = 1; i + 1 < polygon.size(); ++i)
            out.insert(out.end(), { polygon[0], polygon[i], polygon[i + 1] });
    }
}

} // namespace sdlvideo
