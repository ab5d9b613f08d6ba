// Window: creation and destruction with their synchronous messages, user data, the procedure
// call and the default procedure, on SDL windows.
#include <algorithm>

#include "WindowTable.h"

namespace platform::sdl {

namespace {

// The screen saver stays off while any window exists (SDL starts with it off as well).
void WindowCountChanged()
{
    if (WindowCount() == 0)
        SDL_EnableScreenSaver();
    else
        SDL_DisableScreenSaver();
}

// Removes the record and frees its native window at once: the video plugin let go of it while
// the window procedure handled the last message (the display asks it to).
void Discard(uint32_t id)
{
    Hwnd handle = reinterpret_cast<Hwnd>(static_cast<uintptr_t>(id));
    if (WindowRecord* record = Find(handle)) {
        SDL_DestroyWindow(record->native);
        RemoveRecord(id);
    }
    WindowCountChanged();
}

} // namespace

} // namespace platform::sdl

namespace platform {

LResult SendMessage(Hwnd window, Message message, WParam wparam, LParam lparam)
{
    const sdl::WindowRecord* record = sdl::Find(window);
    if (record == nullptr) {
        sdl::SetLastError(kErrorInvalidWindowHandle);
        return 0;
    }
    // Copied out: the procedure may destroy the window and its record.
    const WindowProc procedure = record->procedure;
    return procedure(window, message, wparam, lparam);
}

LResult DefWindowProc(Hwnd window, Message message, WParam wparam, LParam)
{
    switch (message) {
    case Message::NcCreate:
        return 1;
    case Message::Close:
        DestroyWindow(window);
        return 0;
    case Message::SysCommand:
        if ((wparam & ~WParam { 0xF }) == kScScreenSave || (wparam & ~WParam { 0xF }) == kScMonitorPower)
            SDL_EnableScreenSaver();
        return 0;
    default:
        return 0;
    }
}

Hwnd CreateWindow(const char* className, const char* title, int x, int y, int width, int height, void* param)
{
    const WindowProc procedure = sdl::FindClass(className);
    if (procedure == nullptr) {
        sdl::SetLastError(kErrorCannotFindWndClass);
        return nullptr;
    }
    if (!sdl::EnsureVideo()) {
        sdl::SetLastError(kErrorNotEnoughMemory);
        return nullptr;
    }
    if (title == nullptr)
        title = "";
    x = sdl::ClampPosition(x);
    y = sdl::ClampPosition(y);
    width = sdl::ClampSize(width);
    height = sdl::ClampSize(height);
    const int frameX = GetSystemMetrics(SystemMetric::FrameWidth);
    const int frameY = GetSystemMetrics(SystemMetric::FrameHeight);
    const int caption = GetSystemMetrics(SystemMetric::CaptionHeight);
    const int clientW = std::max(1, width - 2 * frameX);
    const int clientH = std::max(1, height - 2 * frameY - caption);
    // Made for OpenGL so an accelerated renderer need not re-create the native window; without
    // OpenGL the window is made plain.
    const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    SDL_Window* native = SDL_CreateWindow(
        title, x + frameX, y + frameY + caption, clientW, clientH, flags | SDL_WINDOW_OPENGL);
    if (native == nullptr)
        native = SDL_CreateWindow(title, x + frameX, y + frameY + caption, clientW, clientH, flags);
    if (native == nullptr) {
        sdl::SetLastError(kErrorNotEnoughMemory);
        return nullptr;
    }

    auto fresh = std::make_unique<sdl::WindowRecord>();
    fresh->native = native;
    fresh->nativeId = SDL_GetWindowID(native);
    fresh->className = className;
    fresh->procedure = procedure;
    sdl::WindowRecord& record = sdl::AddRecord(std::move(fresh));
    sdl::RefreshKnownGeometry(record);
    const uint32_t id = record.id;
    const Hwnd window = sdl::HandleOf(record);
    sdl::WindowCountChanged();

    const CreateParams params { param, className, title, x, y, width, height };
    const auto lparam = reinterpret_cast<LParam>(&params);
    if (procedure(window, Message::NcCreate, 0, lparam) == 0) {
        if (sdl::WindowRecord* refused = sdl::Find(window)) {
            refused->dying = true;
            procedure(window, Message::NcDestroy, 0, 0);
        }
        sdl::Discard(id);
        return nullptr;
    }
    if (sdl::Find(window) == nullptr)
        return nullptr;
    if (procedure(window, Message::Create, 0, lparam) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    // The procedure may have destroyed the window from inside Create.
    return sdl::Find(window) != nullptr ? window : nullptr;
}

bool DestroyWindow(Hwnd window)
{
    sdl::WindowRecord* record = sdl::Find(window);
    if (record == nullptr || record->dying) {
        sdl::SetLastError(kErrorInvalidWindowHandle);
        return false;
    }
    record->dying = true;
    const uint32_t id = record->id;
    SendMessage(window, Message::Destroy);
    SendMessage(window, Message::NcDestroy);
    sdl::Discard(id);
    return true;
}

bool IsWindow(Hwnd window)
{
    return sdl::Find(window) != nullptr;
}

void SetWindowUserData(Hwnd window, void* data)
{
    if (sdl::WindowRecord* record = sdl::Find(window))
        record->userData = data;
    else
        sdl::SetLastError(kErrorInvalidWindowHandle);
}

void* GetWindowUserData(Hwnd window)
{
    if (const sdl::WindowRecord* record = sdl::Find(window))
        return record->userData;
    sdl::SetLastError(kErrorInvalidWindowHandle);
    return nullptr;
}

bool UpdateWindow(Hwnd window)
{
    if (sdl::Find(window) == nullptr) {
        sdl::SetLastError(kErrorInvalidWindowHandle);
        return false;
    }
    SendMessage(window, Message::Paint);
    return true;
}

bool SetWindowText(Hwnd window, const char* title)
{
    sdl::WindowRecord* record = sdl::Find(window);
    if (record == nullptr || title == nullptr) {
        sdl::SetLastError(record == nullptr ? kErrorInvalidWindowHandle : kErrorInvalidParameter);
        return false;
    }
    SDL_SetWindowTitle(record->native, title);
    return true;
}

std::string GetWindowText(Hwnd window)
{
    const sdl::WindowRecord* record = sdl::Find(window);
    if (record == nullptr) {
        sdl::SetLastError(kErrorInvalidWindowHandle);
        return {};
    }
    const char* title = SDL_GetWindowTitle(record->native);
    return title != nullptr ? title : "";
}

WindowHandle GetNativeWindow(Hwnd window)
{
    const sdl::WindowRecord* record = sdl::Find(window);
    return record != nullptr ? record->native : nullptr;
}

} // namespace platform
