// Profile: a small INI reader with the Windows profile reader's rules. Lines are "[section]",
// "key=value", comments (';' or '#') or ignored; names match without regard to ASCII case.
#include "platform/Profile.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// One pair of matching quotes around a value is removed.
std::string Unquote(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Every key of the file in the order written; a missing file has none.
std::vector<Entry> ReadEntries(const char* file)
{
    std::vector<Entry> entries;
    std::ifstream in(file != nullptr ? file : "", std::ios::binary);
    std::string section;
    std::string line;
    for (bool first = true; std::getline(in, line); first = false) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#')
            continue;
        if (trimmed[0] == '[') {
            section = Trim(trimmed.substr(1, trimmed.find(']') - 1));
        } else if (const auto eq = trimmed.find('='); eq != std::string::npos) {
            entries.push_back(
                { section, Trim(trimmed.substr(0, eq)), Unquote(Trim(trimmed.substr(eq + 1))) });
        }
    }
    return entries;
}

std::size_t CopyOut(const std::string& value, char* out, std::size_t size)
{
    if (out == nullptr || size == 0)
        return 0;
    const std::size_t length = std::min(value.size(), size - 1);
    std::memcpy(out, value.data(), length);
    out[length] = '\0';
    return length;
}

} // namespace

std::size_t ReadProfileString(
    const char* section, const char* key, const char* fallback, char* out, std::size_t size, const char* file)
{
    if (section != nullptr && key != nullptr)
        for (const Entry& entry : ReadEntries(file))
            if (strcasecmp(entry.section.c_str(), section) == 0 && strcasecmp(entry.key.c_str(), key) == 0) {
                if (entry.value.empty())
                    break; // an empty value keeps the default
                return CopyOut(entry.value, out, size);
            }
    return CopyOut(fallback != nullptr ? fallback : "", out, size);
}

std::vector<ProfileKey> ReadProfileKeys(const char* file)
{
    std::vector<ProfileKey> keys;
    for (Entry& entry : ReadEntries(file))
        keys.push_back({ std::move(entry.section), std::move(entry.key) });
    return keys;
}

} // namespace platform
