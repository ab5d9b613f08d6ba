// BlendModes: the two tables (premultiplied custom modes, straight built-in modes).
#include "BlendModes.h"

#include "contracts/IVideo.h"

namespace sdlvideo {

namespace {

// Source colour factor, destination colour factor, then the same for alpha; one operation for
// both (SDL's OpenGL renderer refuses different ones).
SDL_BlendMode Custom(SDL_BlendFactor srcColor, SDL_BlendFactor dstColor, SDL_BlendFactor srcAlpha,
    SDL_BlendFactor dstAlpha, SDL_BlendOperation operation = SDL_BLENDOPERATION_ADD)
{
    return SDL_ComposeCustomBlendMode(srcColor, dstColor, operation, srcAlpha, dstAlpha, operation);
}

int32_t Known(int32_t blend)
{
    return blend >= kVideoBlendNormal && blend <= kVideoBlendMask ? blend : kVideoBlendNormal;
}

SDL_BlendMode Exact(int32_t blend)
{
    switch (Known(blend)) {
    case kVideoBlendSelect:
        return Custom(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO);
    case kVideoBlendModulate:
        return Custom(SDL_BLENDFACTOR_DST_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDFACTOR_ZERO,
            SDL_BLENDFACTOR_ONE);
    case kVideoBlendAdd:
        return Custom(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE);
    case kVideoBlendSubtract:
        // Destination minus source; the alpha term subtracts nothing.
        return Custom(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE,
            SDL_BLENDOPERATION_REV_SUBTRACT);
    case kVideoBlendMask:
        return Custom(
            SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA);
    default:
        return Custom(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDFACTOR_ONE,
            SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA);
    }
}

SDL_BlendMode BuiltIn(int32_t blend)
{
    switch (Known(blend)) {
    case kVideoBlendSelect:
        return SDL_BLENDMODE_NONE;
    case kVideoBlendModulate:
        return SDL_BLENDMODE_MUL;
    case kVideoBlendAdd:
        return SDL_BLENDMODE_ADD;
    case kVideoBlendMask:
        return SDL_BLENDMODE_INVALID;
    default: // normal, and subtract, which no built-in mode can do
        return SDL_BLENDMODE_BLEND;
    }
}

} // namespace

bool SupportsExactBlending(SDL_Renderer* renderer)
{
    bool all = true;
    for (int32_t blend = kVideoBlendNormal; blend <= kVideoBlendMask && all; ++blend)
        all = SDL_SetRenderDrawBlendMode(renderer, Exact(blend)) == 0;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    return all;
}

SDL_BlendMode SdlBlendMode(int32_t blend, bool exact)
{
    return exact ? Exact(blend) : BuiltIn(blend);
}

bool PremultipliesVertices(int32_t blend, bool exact)
{
    return exact || Known(blend) == kVideoBlendModulate;
}

} // namespace sdlvideo
