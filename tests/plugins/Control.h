// Control: how a test steers the test plugins and sees what they were asked. The plugins read
// testplugins.cfg from the current directory and append every call they receive to
// testplugins.calls there (format in README.md).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contracts/DeviceInfo.h"
#include "contracts/DisplayMode.h"

namespace testplugin {

// The value of `key` in testplugins.cfg, or `fallback` when the file or the key is missing.
// The file is read again on every call, so a test (or its script) can change it at any time.
std::string Setting(const std::string& key, const std::string& fallback = "");
// True when `key` is set to `value`.
bool SettingIs(const std::string& key, const std::string& value);
// `key` split at ';' (empty list when unset).
std::vector<std::string> SettingList(const std::string& key);

// Appends one line (printf-style, no newline needed) to testplugins.calls.
void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Records the call and returns `answer`: `return Answer(!SettingIs(...), "video Ready");`.
bool Answer(bool answer, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Fills a DeviceInfo; the name is cut to fit.
DeviceInfo MakeDevice(uint32_t devclass, uint32_t subclass, const std::string& name, uint32_t id);
// Finds the default device named by `<device>.default` (`fallback` when unset, none when "none").
bool DefaultDevice(const std::string& device, const std::string& fallback, uint32_t devclass,
    uint32_t subclass, uint32_t id, DeviceInfo* out);
// Opens a device as every test plugin does: refused when `<device>.open = fail`, else its handle
// is 100 plus its subclass; recorded as "<kind> OpenDevice 'name' -> handle" (or "failed").
bool OpenDevice(const char* kind, const std::string& device, const DeviceInfo* info, DeviceHandle* out);
// Parses "WxHxD@R" followed by " windowed" or " fullscreen"; false when malformed.
bool ParseMode(const std::string& text, DisplayMode* out);
// The reverse of ParseMode.
std::string FormatMode(const DisplayMode& mode);

} // namespace testplugin
