// WindowGeometry: visibility, placement, position and size, client and outer rectangles and the
// nominal frame metrics. The native SDL window is the client area; the frame around it is
// nominal, so a windowed mode's client area is exactly the size asked for.
#include "WindowTable.h"

namespace platform::sdl {

namespace {

constexpr int kFrameWidth = 4;
constexpr int kFrameHeight = 4;
constexpr int kCaptionHeight = 19;

} // namespace

Frame FrameOf(SDL_Window* native)
{
    if ((SDL_GetWindowFlags(native) & SDL_WINDOW_FULLSCREEN) != 0)
        return { 0, 0, 0, 0 };
    return { kFrameWidth, kFrameHeight + kCaptionHeight, 2 * kFrameWidth, 2 * kFrameHeight + kCaptionHeight };
}

namespace {

WindowRecord* Checked(Hwnd window)
{
    WindowRecord* record = Find(window);
    if (record == nullptr)
        SetLastError(kErrorInvalidWindowHandle);
    return record;
}

// Applies a show command; the geometry events it causes are the layer's own.
void Apply(WindowRecord& record, ShowCommand command)
{
    NoteQueuedUserGeometry(HandleOf(record));
    switch (command) {
    case ShowCommand::Hide:
        SDL_HideWindow(record.native);
        record.visible = false;
        break;
    case ShowCommand::Show:
        SDL_ShowWindow(record.native);
        record.visible = true;
        break;
    case ShowCommand::ShowMinimized:
        SDL_ShowWindow(record.native);
        SDL_MinimizeWindow(record.native);
        record.visible = true;
        break;
    case ShowCommand::Restore:
        SDL_ShowWindow(record.native);
        SDL_RestoreWindow(record.native);
        record.visible = true;
        break;
    }
    AbsorbOwnGeometryEvents(HandleOf(record));
}

} // namespace

} // namespace platform::sdl

namespace platform {

bool ShowWindow(Hwnd window, ShowCommand command)
{
    sdl::WindowRecord* record = sdl::Checked(window);
    if (record == nullptr)
        return false;
    const bool wasVisible = record->visible;
    sdl::Apply(*record, command);
    return wasVisible;
}

bool SetWindowPlacement(Hwnd window, ShowCommand command)
{
    sdl::WindowRecord* record = sdl::Checked(window);
    if (record == nullptr)
        return false;
    sdl::Apply(*record, command);
    return true;
}

bool SetWindowPos(Hwnd window, int x, int y, int width, int height, uint32_t flags)
{
    sdl::WindowRecord* record = sdl::Checked(window);
    if (record == nullptr)
        return false;
    sdl::NoteQueuedUserGeometry(window);
    const sdl::Frame frame = sdl::FrameOf(record->native);
    if ((flags & kSwpNoMove) == 0)
        SDL_SetWindowPosition(
            record->native, sdl::ClampPosition(x) + frame.left, sdl::ClampPosition(y) + frame.top);
    if ((flags & kSwpNoSize) == 0)
        SDL_SetWindowSize(record->native, sdl::ClampSize(sdl::ClampSize(width) - frame.horizontal),
            sdl::ClampSize(sdl::ClampSize(height) - frame.vertical));
    if ((flags & kSwpShowWindow) != 0) {
        SDL_ShowWindow(record->native);
        record->visible = true;
    }
    sdl::AbsorbOwnGeometryEvents(window);
    return true;
}

bool GetClientRect(Hwnd window, Rect* rect)
{
    const sdl::WindowRecord* record = sdl::Checked(window);
    if (record == nullptr || rect == nullptr)
        return false;
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(record->native, &w, &h);
    *rect = { 0, 0, w, h };
    return true;
}

bool GetWindowRect(Hwnd window, Rect* rect)
{
    const sdl::WindowRecord* record = sdl::Checked(window);
    if (record == nullptr || rect == nullptr)
        return false;
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(record->native, &x, &y);
    SDL_GetWindowSize(record->native, &w, &h);
    const sdl::Frame frame = sdl::FrameOf(record->native);
    rect->left = x - frame.left;
    rect->top = y - frame.top;
    rect->right = rect->left + w + frame.horizontal;
    rect->bottom = rect->top + h + frame.vertical;
    return true;
}

bool ScreenToClient(Hwnd window, Point* point)
{
    const sdl::WindowRecord* record = sdl::Checked(window);
    if (record == nullptr || point == nullptr)
        return false;
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(record->native, &x, &y);
    point->x -= x;
    point->y -= y;
    return true;
}

int GetSystemMetrics(SystemMetric metric)
{
    switch (metric) {
    case SystemMetric::FrameWidth:
        return sdl::kFrameWidth;
    case SystemMetric::FrameHeight:
        return sdl::kFrameHeight;
    case SystemMetric::CaptionHeight:
        return sdl::kCaptionHeight;
    }
    return 0;
}

} // namespace platform
