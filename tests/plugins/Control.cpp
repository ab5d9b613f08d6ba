// Control: the control file and the call record shared by the test plugins.
#include "Control.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace testplugin {

namespace {

constexpr const char* kControlFile = "testplugins.cfg";
constexpr const char* kCallsFile = "testplugins.calls";

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string Setting(const std::string& key, const std::string& fallback)
{
    std::ifstream in(kControlFile);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos)
            continue;
        if (Trim(line.substr(0, eq)) == key)
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
    const std::string text = Setting(key);
    size_t start = 0;
    while (!text.empty() && start <= text.size()) {
        const auto end = text.find(';', start);
        items.push_back(Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return items;
}

void Record(const char* format, ...)
{
    std::FILE* file = std::fopen(kCallsFile, "a");
    if (file == nullptr)
        return;
    std::va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}

DeviceInfo MakeDevice(uint32_t devclass, uint32_t subclass, const std::string& name, uint32_t id)
{
    DeviceInfo info{};
    info.devclass = devclass;
    info.subclass = subclass;
    std::strncpy(info.name, name.c_str(), sizeof info.name - 1);
    info.id = id;
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
    *out = DisplayMode{width, height, depth, windowed, {}, refresh};
    return true;
}

std::string FormatMode(const DisplayMode& mode)
{
    char text[96];
    std::snprintf(text, sizeof text, "%ux%ux%u@%u %s", mode.width, mode.height, mode.depth, mode.refresh,
        mode.windowed ? "windowed" : "fullscreen");
    return text;
}

}  // namespace testplugin
