// GuardBand: triangles cut to a rectangle around the drawing area before they reach SDL. SDL's
// software renderer converts vertex positions to fixed point and writes out of its surface when a
// vertex lies some ten thousand pixels away (a sprite scaled up a thousand times), and any renderer
// spends its time on what lies outside; cut triangles keep their colours and texture coordinates.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace sdlvideo {

struct GuardRect {
    float left, top, right, bottom;
};

// Whether every vertex of the triangles lies inside `band` (then they go to SDL as they are).
bool InsideGuardBand(const SDL_Vertex* vertices, uint32_t vertexCount, const GuardRect& band);

// Appends to `out` the triangles (three vertices each, no indices) that cover what the given
// triangles cover inside `band`. `indices` may be null (then consecutive triples are triangles).
// Triangles with a position that is not a finite number are dropped.
void CutToGuardBand(const SDL_Vertex* vertices, uint32_t vertexCount, const int32_t* indices,
    uint32_t indexCount, const GuardRect& band, std::vector<SDL_Vertex>& out);

} // namespace sdlvideo
