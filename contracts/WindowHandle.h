// WindowHandle: the native window the runtime hands to plugins. On the SDL backend it is the
// SDL_Window* of the game window; plugins that use SDL cast it back, others treat it as opaque.
#pragma once

using WindowHandle = void*;

// On the SDL backend the video plugin leaves the SDL_Renderer* it draws the window with as the
// window's data under this name (SDL_SetWindowData), and removes it before it destroys the
// renderer; that is how the window layer paints the window black without a renderer of its own.
constexpr const char* kWindowRendererKey = "VornRenderer";
