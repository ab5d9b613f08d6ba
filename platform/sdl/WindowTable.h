// WindowTable: the SDL backend's private bookkeeping shared by the window calls, the pump and the
// cursor: window classes, window records behind checked handles, the last error and the lazy
// start of SDL's video subsystem.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace platform::sdl {

struct WindowRecord {
    uint32_t id = 0; // the handle's value
    SDL_Window* native = nullptr;
    uint32_t nativeId = 0; // SDL's window id, as window events name it
    std::string className;
    WindowProc procedure = nullptr;
    void* userData = nullptr;
    bool visible = false;
    bool dying = false; // inside DestroyWindow: no second destroy
    // The native geometry (client position and size) the layer last knew: a window event that
    // repeats it is the echo of the layer's own call, one that differs is the user's doing.
    int knownX = 0, knownY = 0, knownW = 0, knownH = 0;
    bool knownFullscreen = false;
    // A user's move or resize, however many events it makes, is one gesture: EnterSizeMove when
    // it is first seen, ExitSizeMove once the geometry has been still for a while.
    enum class Gesture { None, Noted, Open } gesture = Gesture::None; // Noted: Enter not sent yet
    Uint32 lastUserChange = 0; // SDL ticks
};

void SetLastError(uint32_t code);

// Keeps sizes and positions inside what X11 and SDL accept for a window.
constexpr int kMaxExtent = 16384;
inline int ClampSize(int value)
{
    return value < 1 ? 1 : (value > kMaxExtent ? kMaxExtent : value);
}
inline int ClampPosition(int value)
{
    return value < -kMaxExtent ? -kMaxExtent : (value > kMaxExtent ? kMaxExtent : value);
}

// Frame offsets of a window's client area inside its outer rectangle: none in full screen.
struct Frame {
    int left, top, horizontal, vertical; // horizontal/vertical: outer minus client size
};
Frame FrameOf(SDL_Window* native);

// Starts SDL's video subsystem once (and keeps it): closing the last window must not post
// SDL_QUIT, and the cursor's visibility is applied. False when there is no video device.
bool EnsureVideo();

// The registered procedure of a class, or null.
WindowProc FindClass(const char* name);
// Whether a window of the class exists.
bool ClassHasWindows(const std::string& className);

// Takes ownership of a new record, gives it its handle value and returns it.
WindowRecord& AddRecord(std::unique_ptr<WindowRecord> record);
void RemoveRecord(uint32_t id);
std::size_t WindowCount();

WindowRecord* Find(Hwnd window);
WindowRecord* FindByNativeId(uint32_t nativeId);
Hwnd HandleOf(const WindowRecord& record);
// Handles of every existing window, in creation order; safe to walk while procedures run.
std::vector<Hwnd> AllWindows();

// Re-reads the native geometry into the record's known geometry.
void RefreshKnownGeometry(WindowRecord& record);
// Before the layer changes a window's geometry itself: notes a user move or resize still queued
// (so it is not mistaken for the echo of the change) and takes it out of the queue.
void NoteQueuedUserGeometry(Hwnd window);
// Takes the echoes of the layer's own geometry change out of SDL's queue (after pumping the
// native events), so they never become size-move messages.
void AbsorbOwnGeometryEvents(Hwnd window);

// Turns one SDL window event into messages for its window's procedure; false when it gave none.
bool DispatchWindowEvent(const SDL_WindowEvent& event);
// Sends the size-move message a window's gesture is due (Enter for a noted one, Exit for one that
// has been still long enough); false when none was due.
bool DispatchGestureEnd();

// Applies the cursor's show counter to SDL (called once video runs).
void ApplyCursorVisibility();

} // namespace platform::sdl
