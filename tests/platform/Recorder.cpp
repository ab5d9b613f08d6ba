// Recorder: the recording procedure and the pump helpers.
#include "Recorder.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include "platform/Messages.h"

using platform::Message;

std::vector<Recorder::Entry> Recorder::log;
void* Recorder::createParam = nullptr;
bool Recorder::refuseNcCreate = false;
bool Recorder::failCreate = false;
bool Recorder::refuseClose = false;
bool Recorder::destroyInCreate = false;
bool Recorder::refuseSysCommand = false;

void Recorder::Reset()
{
    log.clear();
    createParam = nullptr;
    refuseNcCreate = failCreate = refuseClose = destroyInCreate = refuseSysCommand = false;
}

platform::LResult Recorder::Procedure(
    platform::Hwnd window, Message message, platform::WParam wparam, platform::LParam lparam)
{
    log.push_back({ window, message, wparam });
    switch (message) {
    case Message::NcCreate:
        createParam = reinterpret_cast<const platform::CreateParams*>(lparam)->param;
        platform::SetWindowUserData(window, createParam);
        if (refuseNcCreate)
            return 0;
        break;
    case Message::Create:
        if (destroyInCreate)
            platform::DestroyWindow(window);
        if (failCreate)
            return -1;
        break;
    case Message::Close:
        if (refuseClose)
            return 0;
        break;
    case Message::SysCommand:
        if (refuseSysCommand)
            return 0;
        break;
    default:
        break;
    }
    return platform::DefWindowProc(window, message, wparam, lparam);
}

std::vector<Message> Recorder::Of(platform::Hwnd window)
{
    std::vector<Message> messages;
    for (const Entry& entry : log)
        if (entry.window == window)
            messages.push_back(entry.message);
    return messages;
}

int Recorder::Count(platform::Hwnd window, Message message)
{
    int count = 0;
    for (const Entry& entry : log)
        if (entry.window == window && entry.message == message)
            ++count;
    return count;
}

bool PumpUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 600; ++i) {
        while (platform::PeekAndDispatch() == platform::PeekResult::Dispatched) { }
        if (done())
            return true;
        SDL_Delay(5);
    }
    return false;
}

void PumpQuiet()
{
    int quiet = 0;
    for (int i = 0; i < 200 && quiet < 20; ++i) {
        quiet = platform::PeekAndDispatch() == platform::PeekResult::Dispatched ? 0 : quiet + 1;
        SDL_Delay(5);
    }
}

unsigned long XWindowOf(platform::Hwnd window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    auto* native = static_cast<SDL_Window*>(platform::GetNativeWindow(window));
    if (native == nullptr || !SDL_GetWindowWMInfo(native, &info) || info.subsystem != SDL_SYSWM_X11)
        return 0;
    return info.info.x11.window;
}

std::string Names(const std::vector<Message>& messages)
{
    static const char* const names[]
        = { "NcCreate", "Create", "Destroy", "NcDestroy", "SetFocus", "KillFocus", "Paint", "Close",
              "EnterMenuLoop", "ExitMenuLoop", "EnterSizeMove", "ExitSizeMove", "SysCommand" };
    std::string text;
    for (Message message : messages)
        text += std::string(text.empty() ? "" : " ") + names[static_cast<int>(message)];
    return text;
}
