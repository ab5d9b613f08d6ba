// WindowTable: class registry, window records, last error and the video start for the SDL backend.
#include "WindowTable.h"

#include <map>
#include <memory>

namespace platform::sdl {

namespace {

uint32_t lastError = kErrorSuccess;
bool videoStarted = false;
uint32_t nextId = 1;
// Ordered by id, so AllWindows lists windows in creation order.
std::map<uint32_t, std::unique_ptr<WindowRecord>>& Records()
{
    static std::map<uint32_t, std::unique_ptr<WindowRecord>> records;
    return records;
}

} // namespace

void SetLastError(uint32_t code)
{
    lastError = code;
}

bool EnsureVideo()
{
    if (videoStarted)
        return true;
    // The window's close box is a Close message for its procedure, never a request to quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    videoStarted = true;
    // Kinds of event no part of the runtime reads are never queued.
    for (const Uint32 type : { SDL_DISPLAYEVENT, SDL_LOCALECHANGED, SDL_CLIPBOARDUPDATE, SDL_DROPFILE,
             SDL_DROPTEXT, SDL_DROPBEGIN, SDL_DROPCOMPLETE, SDL_SENSORUPDATE })
        SDL_EventState(type, SDL_DISABLE);
    ApplyCursorVisibility();
    return true;
}

WindowRecord* Find(Hwnd window)
{
    const auto id = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window));
    auto& records = Records();
    const auto it = records.find(id);
    return it == records.end() ? nullptr : it->second.get();
}

WindowRecord* FindByNativeId(uint32_t nativeId)
{
    for (auto& [id, record] : Records())
        if (record->nativeId == nativeId)
            return record.get();
    return nullptr;
}

bool ClassHasWindows(const std::string& className)
{
    for (auto& [id, record] : Records())
        if (record->className == className)
            return true;
    return false;
}

Hwnd HandleOf(const WindowRecord& record)
{
    return reinterpret_cast<Hwnd>(static_cast<uintptr_t>(record.id));
}

std::vector<Hwnd> AllWindows()
{
    std::vector<Hwnd> handles;
    for (auto& [id, record] : Records())
        handles.push_back(HandleOf(*record));
    return handles;
}

WindowRecord& AddRecord(std::unique_ptr<WindowRecord> record)
{
    record->id = nextId++;
    if (nextId == 0) // never hand out the null handle
        nextId = 1;
    WindowRecord& added = *record;
    Records().emplace(added.id, std::move(record));
    return added;
}

void RemoveRecord(uint32_t id)
{
    Records().erase(id);
}

std::size_t WindowCount()
{
    return Records().size();
}

void RefreshKnownGeometry(WindowRecord& record)
{
    SDL_GetWindowPosition(record.native, &record.knownX, &record.knownY);
    SDL_GetWindowSize(record.native, &record.knownW, &record.knownH);
    record.knownFullscreen = (SDL_GetWindowFlags(record.native) & SDL_WINDOW_FULLSCREEN) != 0;
}

namespace {

// SDL_FilterEvents callback: drops the geometry events of one native window.
int DropGeometryEvents(void* nativeId, SDL_Event* event)
{
    if (event->type != SDL_WINDOWEVENT || event->window.windowID != *static_cast<uint32_t*>(nativeId))
        return 1;
    switch (event->window.event) {
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        return 0;
    default:
        return 1;
    }
}

} // namespace

void AbsorbOwnGeometryEvents(Hwnd window)
{
    WindowRecord* record = Find(window);
    if (record == nullptr)
        return;
    SDL_PumpEvents();
    uint32_t nativeId = record->nativeId;
    SDL_FilterEvents(DropGeometryEvents, &nativeId);
    RefreshKnownGeometry(*record);
}

} // namespace platform::sdl

namespace platform {

uint32_t LastError()
{
    return sdl::lastError;
}

} // namespace platform
