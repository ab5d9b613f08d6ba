// LuaDisplay: the script's `display`: the video device the host opened and the game window that
// the script creates on it, with the window's callbacks, display modes and the frame.
// Needs the video plugin's IVideo, the platform window layer and the script state.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <Vorn/core/Ref.h>
#include <Vorn/render/Renderer.h>
#include <Vorn/scene/SceneNode.h>

#include "bridge/LuaRef.h"
#include "contracts/DisplayMode.h"
#include "contracts/IVideo.h"
#include "platform/Window.h"

struct lua_State;
class LuaCamera;
class LuaLayer;
class LuaSceneNode;
class LuaSprite;

class LuaDisplay {
public:
    LuaDisplay(IVideo* video, DeviceHandle device);
    // Releases the callback and camera references, deletes the renderer and removes every child;
    // the window, if any, is left alone (it only forgets this display, so a late message can
    // never reach a deleted object).
    virtual ~LuaDisplay();
    LuaDisplay(const LuaDisplay&) = delete;
    LuaDisplay& operator=(const LuaDisplay&) = delete;

    // Script methods. The create forms raise their argument errors on L before anything happens.
    bool create(const char* title, const DisplayMode* mode, lua_State* L);
    bool create(lua_State* L, const char* title, double width, double height, double depth, bool windowed,
        double refresh);
    bool show();
    bool hide();
    bool destroy(lua_State* L);
    // The window's title, or null (nil for scripts) when it is empty or there is no window.
    const char* get_title();
    bool set_title(const char* title);
    bool get_mode(DisplayMode* mode, lua_State* L);
    bool set_mode(const DisplayMode* mode, lua_State* L);
    // The root list: add appends (a node added twice is drawn twice), remove takes out the first
    // entry holding the node. nil raises the API's message.
    bool add_child(LuaSprite* node, lua_State* L);
    bool add_child(LuaLayer* node, lua_State* L);
    bool remove_child(LuaSprite* node, lua_State* L);
    bool remove_child(LuaLayer* node, lua_State* L);
    void remove_children();
    // The camera: setting one takes the old one out of the root list and puts the new one last.
    void SetCamera(lua_State* L, LuaCamera* camera);
    const bridge::LuaRef& CameraRef() const { return cameraRef_; }
    // The root list's nodes, in order.
    const std::vector<Vorn::Ref<Vorn::SceneNode>>& children() const { return children_; }

    // Whether the game window exists: the main loop's condition.
    bool has_window() const { return window_ != nullptr; }
    // Stores the native window (for the plugins) and returns true, or returns false when there is
    // no window.
    bool get_window(WindowHandle* out) const;
    // The game window in the platform layer's terms, null when there is none.
    platform::Hwnd window() const { return window_; }
    // Asks the video device for its current mode; the device's answer.
    bool get_mode(DisplayMode* mode);
    // Switches to `mode`: reads the current mode, fits the window, asks the device; logs failures.
    bool set_mode(const DisplayMode* mode);
    // Fits the window to a mode (outer size from the mode, placed at 0, 0); false without a window.
    bool resize(const DisplayMode* mode);
    // Window placement changes used by the error box in full-screen mode; false without a window.
    bool minimize();
    bool restore();
    // One frame: ready check (else the window is painted black), mode, the frustum, begin, clear,
    // the root list drawn, the renderer's processing, end, and the frustum popped.
    void render();
    // Lists the device's modes into listed_modes(); false when the device reports a failure
    // (the modes listed before it stand).
    bool list_modes();
    const std::vector<DisplayMode>& listed_modes() const { return modes_; }

    IVideo* video() const { return video_; }
    Vorn::Renderer& renderer() { return *renderer_; }
    DeviceHandle device() const { return device_; }

    // Callback slots, in the display's order; the script properties on_* reach them.
    bridge::LuaRef onDestroy;
    bridge::LuaRef onCreate;
    bridge::LuaRef onResize;
    bridge::LuaRef onLoseFocus;
    bridge::LuaRef onGainFocus;
    bridge::LuaRef onSuspend;
    bridge::LuaRef onUnsuspend;
    bridge::LuaRef onClose;

    // The window procedure's side (DisplayWindowProc.cpp).
    // Calls a callback slot with the display as its argument; nothing when the slot is unset.
    void Fire(const bridge::LuaRef& slot);
    // A window of this display was made (its first message): remember it.
    void WindowMade(platform::Hwnd window) { windows_.push_back(window); }
    // Asks on_close; true when the window may close.
    bool CloseAllowed();
    // The window is finally gone: forget it, and end the run when it was the game window.
    void WindowGone(platform::Hwnd window);
    // The window is about to be freed (its last message): the video device lets go of it.
    void WindowGoing(platform::Hwnd window);

private:
    // While a script call that sends window messages runs (create, destroy), callbacks run on the
    // caller's Lua thread; otherwise (the pump) on the script state's main thread.
    class CallerScope {
    public:
        CallerScope(LuaDisplay& display, lua_State* L)
            : display_(display)
            , previous_(display.caller_)
        {
            display.caller_ = L;
        }
        ~CallerScope() { display_.caller_ = previous_; }
        CallerScope(const CallerScope&) = delete;
        CallerScope& operator=(const CallerScope&) = delete;

    private:
        LuaDisplay& display_;
        lua_State* previous_;
    };
    lua_State* CallbackState() const;

    // The steps after the argument checks: register, create, set the mode, show.
    bool Open(lua_State* L, const char* title, const DisplayMode& mode);
    // Destroys a half-made window and removes its class (create's failure paths).
    void Abandon(platform::Hwnd window, const char* title);
    bool AddChild(LuaSceneNode* node, lua_State* L);
    bool RemoveChild(LuaSceneNode* node, lua_State* L);
    bool RemoveNode(Vorn::SceneNode* node);

    IVideo* video_;
    DeviceHandle device_;
    platform::Hwnd window_ = nullptr; // set by create, cleared when the window is finally destroyed
    // Every window this display made that still exists: a window replaced by a second create keeps
    // this display as its user data until it dies, so the destructor must find it too.
    std::vector<platform::Hwnd> windows_;
    std::string title_; // get_title's storage
    std::vector<DisplayMode> modes_; // list_modes' result, reused between reads
    lua_State* caller_ = nullptr; // the Lua thread of the script call in progress, if any
    std::unique_ptr<Vorn::Renderer> renderer_;
    std::vector<Vorn::Ref<Vorn::SceneNode>> children_; // the root list, one reference per entry
    bridge::LuaRef cameraRef_; // the camera object, unset when none
    Vorn::SceneNode* cameraNode_ = nullptr; // its engine node, in children_ while set
};
