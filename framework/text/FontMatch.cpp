// FontMatch: one fontconfig match, then the check that the face found is the family asked for
// or one the configuration put in its place, not a fallback.
#include "Vorn/text/FontMatch.h"

#include <fontconfig/fontconfig.h>

namespace Vorn {

namespace {

// Family names compare as fontconfig compares them: blanks and letter case do not count.
bool SameFamily(const FcChar8* a, const FcChar8* b)
{
    for (;;) {
        while (*a == ' ')
            ++a;
        while (*b == ' ')
            ++b;
        if (*a == '\0' || *b == '\0')
            return *a == *b;
        if (FcToLower(*a) != FcToLower(*b))
            return false;
        ++a, ++b;
    }
}

// Where the first family equal to `family` sits in the pattern's family list; -1 when absent.
int FamilyPosition(FcPattern* pattern, const FcChar8* family)
{
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        if (SameFamily(value, family))
            return i;
    return -1;
}

// Whether the matched face is the family asked for, or one of the families the configuration
// substituted for the name ahead of it (an alias such as sans-serif).
bool IsWanted(FcPattern* asked, FcPattern* match, const FcChar8* name)
{
    const int name_at = FamilyPosition(asked, name);
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (SameFamily(family, name))
            return true;
        const int at = FamilyPosition(asked, family);
        if (at >= 0 && (name_at < 0 || at < name_at))
            return true;
    }
    return false;
}

} // namespace

bool FindSystemFont(const char* name, std::string& path, long& index)
{
    if (name == nullptr || *name == '\0' || FcInit() == FcFalse)
        return false;
    FcPattern* asked = FcPatternCreate();
    if (asked == nullptr)
        return false;
    const auto* family = reinterpret_cast<const FcChar8*>(name);
    FcPatternAddString(asked, FC_FAMILY, family);
    FcPatternAddBool(asked, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, asked, FcMatchPattern);
    FcDefaultSubstitute(asked);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, asked, &result);
    bool found = false;
    FcChar8* file = nullptr;
    int face_index = 0;
    if (match != nullptr && IsWanted(asked, match, family)
        && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        if (FcPatternGetInteger(match, FC_INDEX, 0, &face_index) != FcResultMatch)
            face_index = 0;
        path = reinterpret_cast<const char*>(file);
        index = face_index;
        found = true;
    }
    if (match != nullptr)
        FcPatternDestroy(match);
    FcPatternDestroy(asked);
    return found;
}

} // namespace Vorn
