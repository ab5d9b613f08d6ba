// Plugins: settings lookup, module loading and the factory/initialise protocol of the plugins.
#include "host/Plugins.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Vorn/core/Log.h"
#include "host/ErrorHandler.h"
#include "platform/Module.h"
#include "platform/Profile.h"

namespace host {

namespace {

// The settings file in the current directory.
constexpr const char* kSettingsFile = "./settings.ini";
// Values are read into a buffer of this size (at most one less character).
constexpr std::size_t kSettingSize = 256;

// The module path of one kind: `plugin` in its section, or the default when missing or empty.
std::string PluginPath(const char* section, const char* fallback)
{
    char value[kSettingSize];
    platform::ReadProfileString(section, "plugin", fallback, value, sizeof value, kSettingsFile);
    return value;
}

bool SameName(const std::string& name, const std::string& other)
{
    return strcasecmp(name.c_str(), other.c_str()) == 0;
}

// Only `plugin` in the three device sections means anything; any other key is named once, so a
// misspelt one does not go unnoticed.
void LogUnknownSettings()
{
    std::vector<platform::ProfileKey> logged;
    for (const platform::ProfileKey& entry : platform::ReadProfileKeys(kSettingsFile)) {
        const bool known = SameName(entry.key, "plugin")
            && (SameName(entry.section, "video") || SameName(entry.section, "input")
                || SameName(entry.section, "audio"));
        const bool repeated
            = std::any_of(logged.begin(), logged.end(), [&](const platform::ProfileKey& before) {
                  return SameName(before.section, entry.section) && SameName(before.key, entry.key);
              });
        if (known || repeated)
            continue;
        Vorn::Log::Output(
            "[vorn] settings.ini: unknown key [%s] %s ignored\n", entry.section.c_str(), entry.key.c_str());
        logged.push_back(entry);
    }
}

// What the loader tried and why it failed: the mapped path, the folder a relative path is taken
// from, and the loader's own words.
void LogLoaderFailure(const char* path)
{
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    Vorn::Log::Output("[vorn] cannot load plugin [%s] from [%s]: %s\n", platform::MapModulePath(path).c_str(),
        folder.c_str(), platform::ModuleError().c_str());
}

} // namespace

PluginSet& Plugins()
{
    static PluginSet plugins;
    return plugins;
}

template <typename Interface>
Interface* LoadPlugin(const char* path, const char* factoryName, platform::Module** moduleOut)
{
    platform::Module* module = platform::LoadModule(path);
    if (module == nullptr) {
        LogLoaderFailure(path);
        Vorn::Log::Output("[vorn] LoadLibrary %s failed\n", path);
        // No display exists yet, so the box ends the process whatever the answer.
        ReportError((std::string("Cannot find file ") + path).c_str());
        return nullptr;
    }
    using Factory = Interface* (*)();
    auto factory = reinterpret_cast<Factory>(platform::FindSymbol(module, factoryName));
    if (factory == nullptr) {
        Vorn::Log::Output("[vorn] Procedure %s not found in plugin %s\n", factoryName, path);
        platform::FreeModule(module);
        return nullptr;
    }
    Interface* plugin = factory();
    if (plugin == nullptr) {
        Vorn::Log::Output("[vorn] Failed to create interface object.\n");
        platform::FreeModule(module);
        return nullptr;
    }
    if (!plugin->Initialize()) {
        Vorn::Log::Output("[vorn] Failed to Initialize interface object.\n");
        // The object lives in the module's heap: it is deleted there, before the module goes.
        delete plugin;
        platform::FreeModule(module);
        return nullptr;
    }
    Vorn::Log::Output("[vorn] plugin [%s] loaded\n", path);
    *moduleOut = module;
    return plugin;
}

template <typename Interface> void UnloadPlugin(Interface*& plugin, platform::Module*& module)
{
    if (plugin != nullptr) {
        plugin->Shutdown();
        delete plugin;
        plugin = nullptr;
    }
    if (module != nullptr) {
        platform::FreeModule(module);
        module = nullptr;
    }
}

template IVideo* LoadPlugin<IVideo>(const char*, const char*, platform::Module**);
template IInput* LoadPlugin<IInput>(const char*, const char*, platform::Module**);
template IAudio* LoadPlugin<IAudio>(const char*, const char*, platform::Module**);
template void UnloadPlugin<IVideo>(IVideo*&, platform::Module*&);
template void UnloadPlugin<IInput>(IInput*&, platform::Module*&);
template void UnloadPlugin<IAudio>(IAudio*&, platform::Module*&);

void LoadPlugins()
{
    PluginSet& plugins = Plugins();
    LogUnknownSettings();
    const std::string video = PluginPath("video", "Plugins\\VornDX8.dll");
    plugins.video = LoadPlugin<IVideo>(video.c_str(), "CreateVideo", &plugins.videoModule);
    const std::string input = PluginPath("input", "Plugins\\VornDI8.dll");
    plugins.input = LoadPlugin<IInput>(input.c_str(), "CreateInput", &plugins.inputModule);
    const std::string audio = PluginPath("audio", "Plugins\\VornDS8.dll");
    plugins.audio = LoadPlugin<IAudio>(audio.c_str(), "CreateAudio", &plugins.audioModule);
}

void UnloadPlugins()
{
    PluginSet& plugins = Plugins();
    UnloadPlugin(plugins.audio, plugins.audioModule);
    Vorn::Log::Output("[vorn] audio plugin unloaded\n");
    UnloadPlugin(plugins.input, plugins.inputModule);
    Vorn::Log::Output("[vorn] input plugin unloaded\n");
    UnloadPlugin(plugins.video, plugins.videoModule);
    Vorn::Log::Output("[vorn] video plugin unloaded\n");
}

} // namespace host
