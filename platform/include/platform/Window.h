// Window: a Win32-shaped window layer. Window classes registered by name with a window procedure,
// windows with user data, the messages the display's procedure handles, placement, position,
// title, visibility, client geometry, system metrics and black painting. Messages for user actions
// come from the pump (platform/Messages.h); the layer's own calls deliver theirs synchronously.
#pragma once

#include <cstdint>
#include <string>

#include "contracts/WindowHandle.h"

// How a game window uses it, in the order of the calls:
//   RegisterWindowClass(title, Procedure)       false: LastError() is 1410 when the name is taken
//   CreateWindow(title, title, 0, 0, w, h, obj)  Procedure gets NcCreate (CreateParams::param is
//                                                obj: keep it with SetWindowUserData), then Create
//   ShowWindow(window, Show); UpdateWindow(window)  Paint arrives inside UpdateWindow
//   per frame: PeekAndDispatch() until Empty or Quit  focus, Paint, Close, Enter/ExitSizeMove
//   DestroyWindow(window)                       Destroy, then NcDestroy (post the quit there)
// with w = client width + 2 * FrameWidth and h = client height + 2 * FrameHeight + CaptionHeight
// for a windowed mode, and the mode's own size in full screen (GetSystemMetrics). The procedure
// returns DefWindowProc(...) for what it does not handle itself.

namespace platform {

// A window, as a handle that is checked on every call: a destroyed window's handle is refused
// with kErrorInvalidWindowHandle, never dereferenced. Null means no window.
using Hwnd = struct HwndTag*;

// The messages a window procedure receives.
enum class Message : uint32_t {
    NcCreate, // first, inside CreateWindow; lparam: const CreateParams*. Return 0 to fail.
    Create, // inside CreateWindow after NcCreate; lparam: const CreateParams*. -1 fails.
    Destroy, // inside DestroyWindow, while the window still exists
    NcDestroy, // last message of a window; the handle is invalid once the procedure returns
    SetFocus, // the window gained the keyboard focus
    KillFocus, // the window lost the keyboard focus
    Paint, // the client area needs drawing (exposed, or UpdateWindow)
    Close, // the user asked to close the window; the default procedure destroys it
    EnterMenuLoop, // a modal menu loop starts (not produced on SDL: it has no system menu)
    ExitMenuLoop, // a modal menu loop ends
    EnterSizeMove, // the user started moving or sizing the window
    ExitSizeMove, // the user finished moving or sizing the window
    SysCommand, // a system command; wparam: the command (kScScreenSave, kScMonitorPower, ...)
};

using WParam = uintptr_t;
using LParam = intptr_t;
using LResult = intptr_t;

// A window procedure: called for every message of the windows of its class, always on the main
// thread, either from the pump or synchronously from inside the layer's calls. It may call the
// layer again (even destroy its own window).
using WindowProc = LResult (*)(Hwnd window, Message message, WParam wparam, LParam lparam);

// What NcCreate and Create carry in lparam.
struct CreateParams {
    void* param; // the creation parameter given to CreateWindow
    const char* className;
    const char* title;
    int x, y, width, height; // outer rectangle
};

// System commands (SysCommand's wparam, low four bits masked off).
constexpr WParam kScScreenSave = 0xF140;
constexpr WParam kScMonitorPower = 0xF170;

// Error codes LastError() reports, with the values Windows gives the same failures.
constexpr uint32_t kErrorSuccess = 0;
constexpr uint32_t kErrorNotEnoughMemory = 8; // the native window could not be made
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorInvalidWindowHandle = 1400;
constexpr uint32_t kErrorCannotFindWndClass = 1407;
constexpr uint32_t kErrorClassAlreadyExists = 1410;
constexpr uint32_t kErrorClassDoesNotExist = 1411;
constexpr uint32_t kErrorClassHasWindows = 1412;

// The code of the last failed call of this layer (calls that succeed leave it unchanged).
uint32_t LastError();

// Registers a window class. Names compare without regard to ASCII case. Fails with
// kErrorClassAlreadyExists when the name is taken, kErrorInvalidParameter for a null or empty
// name or a null procedure.
bool RegisterWindowClass(const char* name, WindowProc procedure);
// Removes a class; fails with kErrorClassDoesNotExist, or kErrorClassHasWindows while a window of
// the class exists.
bool UnregisterWindowClass(const char* name);

// The default procedure: Close destroys the window, NcCreate returns 1 (go on creating), every
// other message returns 0 and does nothing (a screen-saver or monitor-power SysCommand lets the
// screen saver run again).
LResult DefWindowProc(Hwnd window, Message message, WParam wparam, LParam lparam);

// Calls the window's procedure with a message, synchronously; 0 for an invalid handle.
LResult SendMessage(Hwnd window, Message message, WParam wparam = 0, LParam lparam = 0);

// Creates a hidden, resizable window of a registered class with the given outer rectangle (see
// GetSystemMetrics: the client area is the outer size minus the frame and caption). NcCreate and
// Create reach the procedure inside this call, in that order; if NcCreate returns 0 the window
// gets NcDestroy, and if Create returns -1 it gets Destroy and NcDestroy, and the call fails.
// Sizes are clamped to 1..16384 and positions to -16384..16384. Returns null on failure
// (kErrorCannotFindWndClass, kErrorNotEnoughMemory, or the procedure refused).
Hwnd CreateWindow(const char* className, const char* title, int x, int y, int width, int height, void* param);
// Destroys a window: Destroy then NcDestroy reach the procedure inside this call. Fails with
// kErrorInvalidWindowHandle for a null, destroyed or already dying window. The native window is
// freed before the call returns, so whoever drew into it (the video plugin) must let go of it while
// the procedure handles Destroy or NcDestroy.
bool DestroyWindow(Hwnd window);
// Whether the handle names an existing window.
bool IsWindow(Hwnd window);

// The window's user data (null at creation).
void SetWindowUserData(Hwnd window, void* data);
void* GetWindowUserData(Hwnd window);

enum class ShowCommand { Hide, Show, ShowMinimized, Restore };
// Shows or hides the window. Returns whether the window was visible before the call (not whether
// the call worked).
bool ShowWindow(Hwnd window, ShowCommand command);
// Delivers Paint to the procedure synchronously; true when the handle is valid.
bool UpdateWindow(Hwnd window);

// Sets the title; false for a null title or an invalid handle.
bool SetWindowText(Hwnd window, const char* title);
// The title; empty when there is none or the handle is invalid.
std::string GetWindowText(Hwnd window);

// Changes the window's placement: ShowMinimized minimises it, Restore restores it from minimised
// or maximised (Show and Hide behave as in ShowWindow). True when the handle is valid.
bool SetWindowPlacement(Hwnd window, ShowCommand command);

constexpr uint32_t kSwpNoSize = 0x0001;
constexpr uint32_t kSwpNoMove = 0x0002;
constexpr uint32_t kSwpShowWindow = 0x0040;
// Moves and sizes the window's outer rectangle, clamped as in CreateWindow, and shows it with
// kSwpShowWindow. Produces no EnterSizeMove/ExitSizeMove: only user moves do. True on success.
bool SetWindowPos(Hwnd window, int x, int y, int width, int height, uint32_t flags);

struct Rect {
    int left, top, right, bottom;
};
struct Point {
    int x, y;
};
// The client rectangle: left and top 0, right and bottom the client width and height.
bool GetClientRect(Hwnd window, Rect* rect);
// The outer rectangle in screen coordinates.
bool GetWindowRect(Hwnd window, Rect* rect);
// Converts a screen point to the window's client coordinates, in place.
bool ScreenToClient(Hwnd window, Point* point);

enum class SystemMetric { FrameWidth, FrameHeight, CaptionHeight };
// Nominal frame and caption sizes (4, 4 and 19 pixels). A windowed window's client area is its
// outer size minus twice the frame and the caption; a full-screen one has no frame.
int GetSystemMetrics(SystemMetric metric);

// Paints the client area black through the renderer the video plugin left on the window
// (kWindowRendererKey; clear and present). Without one there is nothing to paint with and it
// returns true. False for an invalid handle or a failed paint.
bool FillClientBlack(Hwnd window);

// The native window for the plugins: the SDL_Window* of this window, or null.
WindowHandle GetNativeWindow(Hwnd window);

} // namespace platform
