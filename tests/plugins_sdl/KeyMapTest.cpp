// Key map: every keyboard code has its own scancode and comes back from it; other codes and
// scancodes have none; docs/input-keymap.md lists exactly the table.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "KeyMap.h"
#include "contracts/KeyCodes.h"

namespace {

using sdlinput::KeyForScancode;
using sdlinput::ScancodeForKey;

TEST(KeyMapTest, EveryKeyboardCodeHasItsOwnScancodeAndOtherCodesNone)
{
    std::set<SDL_Scancode> seen;
    for (uint32_t code = KEY_ESCAPE; code <= KEY_TILDE; ++code) {
        EXPECT_EQ(code, KeyForScancode(ScancodeForKey(code)));
        seen.insert(ScancodeForKey(code));
    }
    EXPECT_EQ(static_cast<size_t>(KEY_TILDE), seen.size() - seen.count(SDL_SCANCODE_UNKNOWN));
    // Keys whose place is easily taken for their US label's, and codes that are not keys.
    EXPECT_EQ(SDL_SCANCODE_SEMICOLON, ScancodeForKey(KEY_COLON));
    EXPECT_EQ(SDL_SCANCODE_KP_PERIOD, ScancodeForKey(KEY_NUMDEL));
    EXPECT_EQ(SDL_SCANCODE_UNKNOWN, ScancodeForKey(MBUTTON_LEFT));
}

// Rows of the document read "| `KEY_A` | 45 | 4 | A |": name, code, scancode, SDL's key name.
TEST(KeyMapTest, TheDocumentedTableIsTheTableInUse)
{
    std::ifstream doc(VORN_TEST_KEYMAP_DOC);
    ASSERT_TRUE(doc.is_open()) << VORN_TEST_KEYMAP_DOC;
    std::set<uint32_t> documented;
    std::string line;
    while (std::getline(doc, line)) {
        if (line.rfind("| `KEY_", 0) != 0)
            continue;
        std::istringstream row(line);
        std::string bar, name;
        uint32_t code = 0;
        int scancode = 0;
        row >> bar >> name >> bar >> code >> bar >> scancode;
        ASSERT_TRUE(row) << line;
        EXPECT_EQ(ScancodeForKey(code), scancode) << line;
        documented.insert(code);
    }
    EXPECT_EQ(documented.size(), static_cast<size_t>(KEY_TILDE));
}

} // namespace
