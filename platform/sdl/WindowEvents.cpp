// WindowEvents: SDL window events as window messages. Focus, exposure and the close box map one
// to one; moves and resizes that the layer did not cause are the user's: one drag or resize is
// one gesture, EnterSizeMove when its first event arrives and ExitSizeMove once the window has
// kept still for kQuietMs (SDL tells of each step only afterwards, and never of the end).
#include "WindowTable.h"

namespace platform::sdl {

namespace {

constexpr Uint32 kQuietMs = 300;

bool IsGeometryEvent(Uint8 event)
{
    return event == SDL_WINDOWEVENT_MOVED || event == SDL_WINDOWEVENT_RESIZED
        || event == SDL_WINDOWEVENT_SIZE_CHANGED;
}

// Whether the geometry event reports something other than what the layer already knows.
bool ChangesKnownGeometry(const WindowRecord& record, const SDL_WindowEvent& event)
{
    if (event.event == SDL_WINDOWEVENT_MOVED)
        return event.data1 != record.knownX || event.data2 != record.knownY;
    return event.data1 != record.knownW || event.data2 != record.knownH;
}

void Learn(WindowRecord& record, const SDL_WindowEvent& event)
{
    if (event.event == SDL_WINDOWEVENT_MOVED) {
        record.knownX = event.data1;
        record.knownY = event.data2;
    } else {
        record.knownW = event.data1;
        record.knownH = event.data2;
    }
}

// SDL_FilterEvents callback: learns and removes the geometry events of one window.
int FoldGeometry(void* data, SDL_Event* event)
{
    auto* record = static_cast<WindowRecord*>(data);
    if (event->type != SDL_WINDOWEVENT || event->window.windowID != record->nativeId
        || !IsGeometryEvent(event->window.event))
        return 1;
    Learn(*record, event->window);
    return 0;
}

// A user move or resize: true when it gave a message (the gesture's first).
bool DispatchGeometry(WindowRecord& record, const SDL_WindowEvent& event)
{
    const bool fullscreen = (SDL_GetWindowFlags(record.native) & SDL_WINDOW_FULLSCREEN) != 0;
    if (fullscreen || record.knownFullscreen) {
        // Going into or out of full screen is the video plugin's doing, not the user's.
        RefreshKnownGeometry(record);
        return false;
    }
    if (!ChangesKnownGeometry(record, event))
        return false;
    Learn(record, event);
    // The rest of the same move or resize, already queued, belongs to this one.
    SDL_FilterEvents(FoldGeometry, &record);
    record.lastUserChange = SDL_GetTicks();
    if (record.gesture == WindowRecord::Gesture::Open)
        return false;
    record.gesture = WindowRecord::Gesture::Open;
    SendMessage(HandleOf(record), Message::EnterSizeMove);
    return true;
}

// SDL_FilterEvents callback: notes a queued user change of one window and removes its geometry
// events (the others are echoes of what the layer did before).
int NoteGeometry(void* data, SDL_Event* event)
{
    auto* record = static_cast<WindowRecord*>(data);
    if (event->type != SDL_WINDOWEVENT || event->window.windowID != record->nativeId
        || !IsGeometryEvent(event->window.event))
        return 1;
    if (ChangesKnownGeometry(*record, event->window) && !record->knownFullscreen) {
        Learn(*record, event->window);
        record->lastUserChange = SDL_GetTicks();
        if (record->gesture == WindowRecord::Gesture::None)
            record->gesture = WindowRecord::Gesture::Noted;
    }
    return 0;
}

} // namespace

bool DispatchWindowEvent(const SDL_WindowEvent& event)
{
    WindowRecord* record = FindByNativeId(event.windowID);
    if (record == nullptr)
        return false; // a window that is gone, or not one of ours
    const Hwnd window = HandleOf(*record);
    switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        SendMessage(window, Message::SetFocus);
        return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        SendMessage(window, Message::KillFocus);
        return true;
    case SDL_WINDOWEVENT_EXPOSED:
        SendMessage(window, Message::Paint);
        return true;
    case SDL_WINDOWEVENT_CLOSE:
        SendMessage(window, Message::Close);
        return true;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        return DispatchGeometry(*record, event);
    default:
        return false;
    }
}

void NoteQueuedUserGeometry(Hwnd window)
{
    WindowRecord* record = Find(window);
    if (record == nullptr)
        return;
    SDL_PumpEvents();
    SDL_FilterEvents(NoteGeometry, record);
}

bool DispatchGestureEnd()
{
    for (Hwnd window : AllWindows()) {
        WindowRecord* record = Find(window);
        if (record == nullptr || record->gesture == WindowRecord::Gesture::None)
            continue;
        if (record->gesture == WindowRecord::Gesture::Noted) {
            record->gesture = WindowRecord::Gesture::Open;
            SendMessage(window, Message::EnterSizeMove);
            return true;
        }
        if (SDL_GetTicks() - record->lastUserChange >= kQuietMs) {
            record->gesture = WindowRecord::Gesture::None;
            SendMessage(window, Message::ExitSizeMove);
            return true;
        }
    }
    return false;
}

} // namespace platform::sdl
