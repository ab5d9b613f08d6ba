// BlendModes: the SDL blend mode for each VideoBlend. With custom blend modes colours travel
// premultiplied and every mode is exact; SDL's software renderer has only the built-in modes,
// which take straight colour and stand in as closely as they can. Needs SDL's renderer.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace sdlvideo {

// Whether the renderer accepts every custom mode the exact table uses.
bool SupportsExactBlending(SDL_Renderer* renderer);

// The SDL mode for a VideoBlend (others count as kVideoBlendNormal). `exact`: premultiplied
// colour with custom modes. SDL_BLENDMODE_INVALID: the renderer cannot draw this mode at all.
SDL_BlendMode SdlBlendMode(int32_t blend, bool exact);

// Whether vertex colours must be premultiplied by their alpha before drawing in this mode: always
// when exact; for the built-in multiply too, whose formula expects it.
bool PremultipliesVertices(int32_t blend, bool exact);

} // namespace sdlvideo
