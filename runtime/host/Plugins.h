// Plugins: the three device plugins (video, input, audio): which module each comes from
// (.\settings.ini), loading them through their factories, and unloading them at the end.
#pragma once

#include "contracts/IAudio.h"
#include "contracts/IInput.h"
#include "contracts/IVideo.h"
#include "platform/Module.h"

namespace host {

// The loaded interfaces and their modules; a pointer is null when that plugin failed to load.
struct PluginSet {
    IVideo* video = nullptr;
    IInput* input = nullptr;
    IAudio* audio = nullptr;
    platform::Module* videoModule = nullptr;
    platform::Module* inputModule = nullptr;
    platform::Module* audioModule = nullptr;
};

// The process-wide plugin set. Its interfaces are not used after UnloadPlugins().
PluginSet& Plugins();

// Loads video, then input, then audio, each from its settings.ini entry or its default module.
void LoadPlugins();

// Loads the module at `path`, calls its factory `factoryName` and initialises the object.
// Returns the object, writing the module to *moduleOut, or null (logged) on failure. A module
// that cannot be loaded at all ends the process through the error box.
template <typename Interface>
Interface* LoadPlugin(const char* path, const char* factoryName, platform::Module** moduleOut);

// Shuts down and deletes the interface if there is one, then frees and clears the module.
template <typename Interface>
void UnloadPlugin(Interface*& plugin, platform::Module*& module);

// Unloads audio, then input, then video, logging a line for each.
void UnloadPlugins();

}  // namespace host
