// Profile on inih. inih walks the file's sections and comments; every "key=value" line is handed
// to it as a short numbered placeholder, and the key and value are kept here, so that neither
// inih's line-length limit nor its inline comments and ':' separator change what is read.
#include "platform/Profile.h"

#include <ini.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace platform {

namespace {

struct Entry {
    std::string key;
    std::string value;
};

struct Reader {
    std::string text;               // the whole file
    std::size_t at = 0;             // next unread character
    std::vector<Entry> entries;     // the key=value lines, by placeholder number
    const char* section = nullptr;  // what the lookup wants
    const char* key = nullptr;
    long found = -1;  // index of the first match (entries grow while parsing)
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

// inih's line source: section headers and comments pass through, "key=value" lines become
// "k<number>=" placeholders, lines with no '=' become blank (the Windows reader ignores them).
char* NextLine(char* out, int size, void* stream)
{
    auto* reader = static_cast<Reader*>(stream);
    if (reader->at >= reader->text.size() || size < 32)
        return nullptr;
    auto end = reader->text.find('\n', reader->at);
    if (end == std::string::npos)
        end = reader->text.size();
    std::string line = reader->text.substr(reader->at, end - reader->at);
    reader->at = end + 1;
    const std::string trimmed = Trim(line);
    const bool bom = trimmed.rfind("\xEF\xBB\xBF", 0) == 0;
    const char first = trimmed.empty() ? '\0' : trimmed[bom ? 3 : 0];
    if (first == '[' || first == ';' || first == '#') {
        line = trimmed;
    } else if (const auto eq = trimmed.find('='); eq != std::string::npos) {
        reader->entries.push_back({Trim(trimmed.substr(0, eq)), Unquote(Trim(trimmed.substr(eq + 1)))});
        line = "k" + std::to_string(reader->entries.size() - 1) + "=";
    } else {
        line.clear();
    }
    const std::size_t length = std::min(line.size(), static_cast<std::size_t>(size) - 2);
    std::memcpy(out, line.data(), length);
    out[length] = '\n';
    out[length + 1] = '\0';
    return out;
}

int OnEntry(void* user, const char* section, const char* name, const char*)
{
    auto* reader = static_cast<Reader*>(user);
    const std::size_t index = std::strtoul(name + 1, nullptr, 10);
    if (reader->found >= 0 || index >= reader->entries.size())
        return 1;
    const Entry& entry = reader->entries[index];
    if (strcasecmp(section, reader->section) == 0 && strcasecmp(entry.key.c_str(), reader->key) == 0)
        reader->found = static_cast<long>(index);
    return 1;
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

}  // namespace

std::size_t ReadProfileString(
    const char* section, const char* key, const char* fallback, char* out, std::size_t size, const char* file)
{
    const std::string byDefault = fallback != nullptr ? fallback : "";
    std::ifstream in(file != nullptr ? file : "", std::ios::binary);
    if (!in || section == nullptr || key == nullptr)
        return CopyOut(byDefault, out, size);
    Reader reader;
    std::ostringstream text;
    text << in.rdbuf();
    reader.text = text.str();
    reader.section = section;
    reader.key = key;
    ini_parse_stream(NextLine, &reader, OnEntry, &reader);
    if (reader.found < 0 || reader.entries[reader.found].value.empty())
        return CopyOut(byDefault, out, size);
    return CopyOut(reader.entries[reader.found].value, out, size);
}

}  // namespace platform
