// Control: the control file and the call record shared by the test plugins.
#include "Control.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace testplugin {

namespace {

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

} // namespace

std::string Setting(const std::string& key, const std::string& fallback)
{
    std::ifstream in("testplugins.cfg");
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (!line.empty() && line[0] != '#' && eq != std::string::npos && Trim(line.substr(0, eq)) == key)
            return Trim(line.substr(eq + 1));
    }
    return fallback;
}

bool SettingIs(const std::string& key, const std::string& value)
{
    return Setting(key) == value;
}

std::vector<std::string> SettingList(const std::string& key)
{
    std::vector<std::string> items;
    std::istringstream in(Setting(key));
    for (std::string item; std::getline(in, item, ';');)
        items.push_back(Trim(item));
    return items;
}

void Record(const char* format, ...)
{
    std::FILE* file = std::fopen("testplugins.calls", "a");
    if (file == nullptr)
        return;
    std::va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}

bool Answer(bool answer, const char* format, ...)
{
    char line[256];
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    Record("%s", line);
    return answer;
}

bool OpenDevice(const char* kind, const std::string& device, const DeviceInfo* info, DeviceHandle* out)
{
    if (SettingIs(device + ".open", "fail"))
        return Answer(false, "%s OpenDevice '%s' failed", kind, info->name);
    *out = 100 + info->subclass;
    return Answer(true, "%s OpenDevice '%s' -> %u", kind, info->name, *out);
}

DeviceInfo MakeDevice(uint32_t devclass, uint32_t subclass, const std::string& name, uint32_t id)
{
    DeviceInfo info { devclass, subclass, {}, id };
    std::strncpy(info.name, name.c_str(), sizeof info.name - 1);
    return info;
}

bool DefaultDevice(const std::string& device, const std::string& fallback, uint32_t devclass,
    uint32_t subclass, uint32_t id, DeviceInfo* out)
{
    const std::string name = Setting(device + ".default", fallback);
    if (name == "none" || out == nullptr)
        return false;
    *out = MakeDevice(devclass, subclass, name, id);
    return true;
}

bool ParseMode(const std::string& text, DisplayMode* out)
{
    unsigned width = 0, height = 0, depth = 0, refresh = 0;
    char kind[16] = {};
    if (std::sscanf(text.c_str(), "%ux%ux%u@%u %15s", &width, &height, &depth, &refresh, kind) != 5)
        return false;
    const bool windowed = std::strcmp(kind, "windowed") == 0;
    if (!windowed && std::strcmp(kind, "fullscreen") != 0)
        return false;
    *out = DisplayMode { width, height, depth, windowed, {}, refresh };
    return true;
}

std::string FormatMode(const DisplayMode& mode)
{
    char text[96];
    std::snprintf(text, sizeof text, "%ux%ux%u@%u %s", mode.width, mode.height, mode.depth, mode.refresh,
        mode.windowed ? "windowed" : "fullscreen");
    return text;
}

} // namespace testplugin
