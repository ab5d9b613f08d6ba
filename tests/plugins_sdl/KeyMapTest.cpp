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

TEST(KeyMapTest, EveryKeyboardCodeMapsToADistinctScancodeAndBack)
{
    std::set<SDL_Scancode> seen;
    for (uint32_t code = KEY_ESCAPE; code <= KEY_TILDE; ++code) {
        const SDL_Scancode scancode = ScancodeForKey(code);
        EXPECT_NE(scancode, SDL_SCANCODE_UNKNOWN) << "code " << code;
        EXPECT_TRUE(seen.insert(scancode).second) << "code " << code << " shares scancode " << scancode;
        EXPECT_EQ(KeyForScancode(scancode), code);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(KEY_TILDE));
}

TEST(KeyMapTest, PhysicalPositionsOfTellingKeys)
{
    EXPECT_EQ(ScancodeForKey(KEY_A), SDL_SCANCODE_A);
    EXPECT_EQ(ScancodeForKey(KEY_0), SDL_SCANCODE_0);
    EXPECT_EQ(ScancodeForKey(KEY_ENTER), SDL_SCANCODE_RETURN);
    EXPECT_EQ(ScancodeForKey(KEY_COLON), SDL_SCANCODE_SEMICOLON);
    EXPECT_EQ(ScancodeForKey(KEY_RMENU), SDL_SCANCODE_APPLICATION);
    EXPECT_EQ(ScancodeForKey(KEY_NUMDEL), SDL_SCANCODE_KP_PERIOD);
    EXPECT_EQ(ScancodeForKey(KEY_TILDE), SDL_SCANCODE_GRAVE);
}

TEST(KeyMapTest, NonKeyboardCodesAndUnmappedScancodesHaveNoPartner)
{
    EXPECT_EQ(ScancodeForKey(KEY_NONE), SDL_SCANCODE_UNKNOWN);
    EXPECT_EQ(ScancodeForKey(MBUTTON_LEFT), SDL_SCANCODE_UNKNOWN);
    EXPECT_EQ(ScancodeForKey(JDPAD_WEST), SDL_SCANCODE_UNKNOWN);
    EXPECT_EQ(ScancodeForKey(100000), SDL_SCANCODE_UNKNOWN);
    EXPECT_EQ(KeyForScancode(SDL_SCANCODE_UNKNOWN), KEY_NONE);
    EXPECT_EQ(KeyForScancode(SDL_SCANCODE_NONUSBACKSLASH), KEY_NONE);
    EXPECT_EQ(KeyForScancode(static_cast<SDL_Scancode>(-1)), KEY_NONE);
    EXPECT_EQ(KeyForScancode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES)), KEY_NONE);
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
        std::string bar;
        std::string name;
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
