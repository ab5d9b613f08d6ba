// IVideo: the video plugin's interface. The runtime calls the operations in this order of slots;
// the host's operations come first, the engine library's own follow them.
// Every call comes from the main thread.
#pragma once

#include <cstdint>

#include "Color.h"
#include "DeviceInfo.h"
#include "DisplayMode.h"
#include "WindowHandle.h"

// A texture owned by the video plugin; 0 is no texture.
using TextureHandle = uint32_t;

// A rectangle of pixels: left and top edge, width and height, counted from the top-left corner of
// a texture or of the current drawing target, y down.
struct VideoRect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

static_assert(sizeof(VideoRect) == 16);

// One corner of a triangle for DrawTriangles: position in pixels of the current target, colour
// (straight alpha; it multiplies the texture's), texture coordinates (0 to 1 across the texture).
struct VideoVertex {
    float x;
    float y;
    uint8_t r;
    uint8_t g;
    uint8_t b;
    uint8_t a;
    float u;
    float v;
};

static_assert(sizeof(VideoVertex) == 20);

// How DrawTriangles mixes what it draws (colour C, alpha a: the texel times the vertex colour)
// into what is below (D). Alpha scales the contribution in every mode.
enum VideoBlend : int32_t {
    kVideoBlendNormal = 0, // C·a + D·(1 − a)
    kVideoBlendSelect = 1, // C·a: replaces what is below
    kVideoBlendModulate = 2, // D·(C·a + 1 − a): multiplies by a colour that alpha fades to white
    kVideoBlendAdd = 3, // D + C·a
    kVideoBlendSubtract = 4, // D − C·a
    kVideoBlendMask = 5, // D·a, colour and alpha: keeps what is below only where the texture covers it
};

class IVideo {
public:
    // Deletes the object inside the plugin's module; only the plugin frees its own memory.
    virtual ~IVideo() = default;
    // Starts the plugin's subsystem. False: the plugin is unusable and is never called again.
    virtual bool Initialize() = 0;
    // Whether a frame can be drawn now. False: the display paints its window black instead.
    virtual bool Ready() = 0;
    // Once per frame, before input is polled.
    virtual void Update() = 0;
    // Stops the subsystem; called once before the object is deleted.
    virtual void Shutdown() = 0;
    // Calls callback(info, context) once per device of the subclass (DEV_SUBCLASS_ALL: every
    // device) before returning. Returns false when the devices cannot be listed.
    virtual bool EnumerateDevices(uint32_t subclass, DeviceEnumCallback callback, void* context) = 0;
    // Fills *out with the default device of the subclass. False: there is none.
    virtual bool FindDefaultDevice(uint32_t subclass, DeviceInfo* out) = 0;
    // Opens the device described by *info and writes its handle. False: it cannot be opened.
    virtual bool OpenDevice(const DeviceInfo* info, DeviceHandle* out) = 0;
    // Releases a handle from OpenDevice, at finalisation.
    virtual void ReleaseDevice(DeviceHandle handle) = 0;

    // Switches the window to *mode: windowed, its client area is the mode's size; otherwise full
    // screen at the mode's size. False: the mode was refused and nothing changed.
    virtual bool SetMode(WindowHandle window, const DisplayMode* mode) = 0;
    // Writes the current mode. False: no mode has been set yet.
    virtual bool GetMode(DisplayMode* out) = 0;
    // Calls callback(mode, context) for each mode of the device in info->id, in the device's
    // order. False: the modes cannot be listed (the callbacks made so far stand).
    virtual bool EnumerateModes(const DeviceInfo* info, ModeEnumCallback callback, void* context) = 0;
    // Starts drawing a frame.
    virtual bool BeginFrame() = 0;
    // Finishes the frame and presents it.
    virtual bool EndFrame() = 0;
    // Fills the whole frame with *color.
    virtual bool Clear(const Color* color) = 0;
    // Size in pixels of a texture; 0 for an unknown handle.
    virtual uint32_t TextureWidth(TextureHandle texture) = 0;
    virtual uint32_t TextureHeight(TextureHandle texture) = 0;

    // The engine library's operations follow.

    // Makes a texture of width x height pixels, fully transparent, sampled linearly when it is drawn
    // scaled or turned. Works with or without a window: the texture's size lasts until it is
    // released, its pixels only as long as the device keeps them (TextureGeneration). Returns the
    // handle, which the caller owns and gives back with ReleaseTexture, or 0 for a zero size, a side
    // above 16384 or no memory. Handles are never reused within a run.
    virtual TextureHandle CreateTexture(uint32_t width, uint32_t height) = 0;
    // Copies straight-alpha RGBA8 pixels (bytes R, G, B, A; rows top to bottom, `pitch` bytes
    // apart) into `area` of the texture (null: the whole texture); the pixels are read during the
    // call only. False, and nothing changed: an unknown handle, an area outside the texture, null
    // pixels, a pitch shorter than a row, or no device to keep pixels on (no mode set yet).
    virtual bool UpdateTexture(
        TextureHandle texture, const VideoRect* area, const uint8_t* pixels, uint32_t pitch)
        = 0;
    // Frees a texture or drawing target; 0 and unknown handles are ignored.
    virtual void ReleaseTexture(TextureHandle texture) = 0;
    // Changes whenever the device has lost the pixels of every texture and target (its renderer was
    // made anew for another window, or the graphics device was reset). Handles stay valid and keep
    // their sizes, but their pixels are transparent again: an owner that uploaded at an older
    // generation uploads again from its own copy of the content before drawing.
    virtual uint32_t TextureGeneration() = 0;
    // Draws triangles into the current target. `indices` lists three vertex indices per triangle
    // (null: the vertices taken in threes). Positions are pixels of the target; the frame's are the
    // display mode's pixels from its top-left corner, y down, stretched by the plugin over the whole
    // window. Texture 0 draws the vertex colours alone. `blend` is a VideoBlend; other values draw
    // as kVideoBlendNormal. A renderer without custom blend modes (SDL's software renderer) draws
    // kVideoBlendSelect without alpha, kVideoBlendSubtract as kVideoBlendNormal and refuses
    // kVideoBlendMask. False: an unknown texture, a bad index or count, outside a frame.
    virtual bool DrawTriangles(TextureHandle texture, const VideoVertex* vertices, uint32_t vertexCount,
        const int32_t* indices, uint32_t indexCount, int32_t blend)
        = 0;
    // Restricts drawing into the current target to `rect` (its pixels); null lifts the restriction.
    virtual bool SetClipRect(const VideoRect* rect) = 0;
    // Makes a drawing target: a texture that SetTarget draws into and that is then drawn like any
    // texture, composing as its content would have composed had it been drawn directly with
    // kVideoBlendNormal. Starts transparent; sizes, handles and loss as for CreateTexture.
    virtual TextureHandle CreateTarget(uint32_t width, uint32_t height) = 0;
    // Draws into `target` from now on (0: the frame again) and lifts the clip rectangle. False:
    // not a target, or outside a frame; the current target stays.
    virtual bool SetTarget(TextureHandle target) = 0;
    // Makes the whole current target transparent black.
    virtual bool ClearTransparent() = 0;
    // The window is about to be destroyed: the plugin stops drawing into it and frees what it made
    // for it (its renderer; the pixels of textures and targets count as lost), so the window can
    // be freed at once. Nothing happens for a window the plugin does not draw into.
    virtual void ForgetWindow(WindowHandle window) = 0;
};

// The factory a video plugin exports as "CreateVideo": a new object, or null.
using CreateVideoFunction = IVideo* (*)();
