// MessageBox on SDL2: SDL_ShowMessageBox without a parent window. The automation variable and
// the standard-error copy let tests and headless runs see and answer every box.
#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace platform {

namespace {

constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

void Report(const char* title, const char* text, BoxAnswer answer, const char* how)
{
    std::fprintf(stderr, "[messagebox] title: %s\n%s\n[messagebox] answer: %s (%s)\n", title, text,
        answer == BoxAnswer::Ok ? "OK" : "Cancel", how);
    std::fflush(stderr);
}

}  // namespace

BoxAnswer ShowOkCancelBox(const char* title, const char* text)
{
    const char* preset = std::getenv("VORN_MESSAGEBOX");
    if (preset != nullptr && (std::strcmp(preset, "ok") == 0 || std::strcmp(preset, "cancel") == 0)) {
        const BoxAnswer answer = preset[0] == 'o' ? BoxAnswer::Ok : BoxAnswer::Cancel;
        Report(title, text, answer, "not shown: VORN_MESSAGEBOX");
        return answer;
    }
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kOkButton, "OK"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kCancelButton, "Cancel"},
    };
    const SDL_MessageBoxData box{
        SDL_MESSAGEBOX_ERROR, nullptr, title, text, SDL_arraysize(buttons), buttons, nullptr};
    int pressed = 0;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        const std::string why = std::string("not shown: ") + SDL_GetError();
        Report(title, text, BoxAnswer::Cancel, why.c_str());
        return BoxAnswer::Cancel;
    }
    const BoxAnswer answer = pressed == kOkButton ? BoxAnswer::Ok : BoxAnswer::Cancel;
    Report(title, text, answer, "shown");
    return answer;
}

}  // namespace platform
