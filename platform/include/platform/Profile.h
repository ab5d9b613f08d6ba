// Profile: reading an INI settings file with the rules of the Windows private profile reader:
// section and key match without regard to case, the value is trimmed of blanks (and of one pair
// of enclosing quotes), the first occurrence counts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// Copies the value of `key` in `[section]` of `file` into `out` (at most size - 1 characters,
// always NUL-terminated) and returns the number of characters copied. A missing file, section or
// key, and an empty value, all give `fallback` instead (cut the same way).
std::size_t ReadProfileString(const char* section, const char* key, const char* fallback, char* out,
    std::size_t size, const char* file);

// Every key of `file` with its section, as written and in the file's order (repeats included).
struct ProfileKey {
    std::string section;
    std::string key;
};
std::vector<ProfileKey> ReadProfileKeys(const char* file);

} // namespace platform
