// WindowHandle: the native window the runtime hands to plugins. On the SDL backend it is the
// SDL_Window* of the game window; plugins that use SDL cast it back, others treat it as opaque.
#pragma once

using WindowHandle = void*;
