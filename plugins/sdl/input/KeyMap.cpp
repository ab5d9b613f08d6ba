// KeyMap: the one table from keyboard codes to SDL scancodes, in code order, and its reverse.
#include "KeyMap.h"

#include <array>

#include "contracts/KeyCodes.h"

namespace sdlinput {

namespace {

struct KeyEntry {
    uint32_t code;
    SDL_Scancode scancode;
};

// Keyboard codes follow the rows of a physical keyboard; so do scancodes, named by the US layout.
constexpr KeyEntry kKeys[] = {
    { KEY_ESCAPE, SDL_SCANCODE_ESCAPE },
    { KEY_F1, SDL_SCANCODE_F1 },
    { KEY_F2, SDL_SCANCODE_F2 },
    { KEY_F3, SDL_SCANCODE_F3 },
    { KEY_F4, SDL_SCANCODE_F4 },
    { KEY_F5, SDL_SCANCODE_F5 },
    { KEY_F6, SDL_SCANCODE_F6 },
    { KEY_F7, SDL_SCANCODE_F7 },
    { KEY_F8, SDL_SCANCODE_F8 },
    { KEY_F9, SDL_SCANCODE_F9 },
    { KEY_F10, SDL_SCANCODE_F10 },
    { KEY_F11, SDL_SCANCODE_F11 },
    { KEY_F12, SDL_SCANCODE_F12 },
    { KEY_F13, SDL_SCANCODE_F13 },
    { KEY_F14, SDL_SCANCODE_F14 },
    { KEY_F15, SDL_SCANCODE_F15 },
    { KEY_1, SDL_SCANCODE_1 },
    { KEY_2, SDL_SCANCODE_2 },
    { KEY_3, SDL_SCANCODE_3 },
    { KEY_4, SDL_SCANCODE_4 },
    { KEY_5, SDL_SCANCODE_5 },
    { KEY_6, SDL_SCANCODE_6 },
    { KEY_7, SDL_SCANCODE_7 },
    { KEY_8, SDL_SCANCODE_8 },
    { KEY_9, SDL_SCANCODE_9 },
    { KEY_0, SDL_SCANCODE_0 },
    { KEY_MINUS, SDL_SCANCODE_MINUS },
    { KEY_EQUALS, SDL_SCANCODE_EQUALS },
    { KEY_BACK, SDL_SCANCODE_BACKSPACE },
    { KEY_TAB, SDL_SCANCODE_TAB },
    { KEY_Q, SDL_SCANCODE_Q },
    { KEY_W, SDL_SCANCODE_W },
    { KEY_E, SDL_SCANCODE_E },
    { KEY_R, SDL_SCANCODE_R },
    { KEY_T, SDL_SCANCODE_T },
    { KEY_Y, SDL_SCANCODE_Y },
    { KEY_U, SDL_SCANCODE_U },
    { KEY_I, SDL_SCANCODE_I },
    { KEY_O, SDL_SCANCODE_O },
    { KEY_P, SDL_SCANCODE_P },
    { KEY_LSQB, SDL_SCANCODE_LEFTBRACKET },
    { KEY_RSQB, SDL_SCANCODE_RIGHTBRACKET },
    { KEY_BSLASH, SDL_SCANCODE_BACKSLASH },
    { KEY_CAPS, SDL_SCANCODE_CAPSLOCK },
    { KEY_A, SDL_SCANCODE_A },
    { KEY_S, SDL_SCANCODE_S },
    { KEY_D, SDL_SCANCODE_D },
    { KEY_F, SDL_SCANCODE_F },
    { KEY_G, SDL_SCANCODE_G },
    { KEY_H, SDL_SCANCODE_H },
    { KEY_J, SDL_SCANCODE_J },
    { KEY_K, SDL_SCANCODE_K },
    { KEY_L, SDL_SCANCODE_L },
    { KEY_COLON, SDL_SCANCODE_SEMICOLON },
    { KEY_APOS, SDL_SCANCODE_APOSTROPHE },
    { KEY_ENTER, SDL_SCANCODE_RETURN },
    { KEY_LSHIFT, SDL_SCANCODE_LSHIFT },
    { KEY_Z, SDL_SCANCODE_Z },
    { KEY_X, SDL_SCANCODE_X },
    { KEY_C, SDL_SCANCODE_C },
    { KEY_V, SDL_SCANCODE_V },
    { KEY_B, SDL_SCANCODE_B },
    { KEY_N, SDL_SCANCODE_N },
    { KEY_M, SDL_SCANCODE_M },
    { KEY_COMMA, SDL_SCANCODE_COMMA },
    { KEY_DOT, SDL_SCANCODE_PERIOD },
    { KEY_SLASH, SDL_SCANCODE_SLASH },
    { KEY_RSHIFT, SDL_SCANCODE_RSHIFT },
    { KEY_LCTRL, SDL_SCANCODE_LCTRL },
    { KEY_LWIN, SDL_SCANCODE_LGUI },
    { KEY_LALT, SDL_SCANCODE_LALT },
    { KEY_SPACE, SDL_SCANCODE_SPACE },
    { KEY_RALT, SDL_SCANCODE_RALT },
    { KEY_RWIN, SDL_SCANCODE_RGUI },
    { KEY_RMENU, SDL_SCANCODE_APPLICATION }, // the menu key between right Windows and right Ctrl
    { KEY_RCTRL, SDL_SCANCODE_RCTRL },
    { KEY_PSCREEN, SDL_SCANCODE_PRINTSCREEN },
    { KEY_SLOCK, SDL_SCANCODE_SCROLLLOCK },
    { KEY_PAUSE, SDL_SCANCODE_PAUSE },
    { KEY_INS, SDL_SCANCODE_INSERT },
    { KEY_HOME, SDL_SCANCODE_HOME },
    { KEY_PGUP, SDL_SCANCODE_PAGEUP },
    { KEY_DEL, SDL_SCANCODE_DELETE },
    { KEY_END, SDL_SCANCODE_END },
    { KEY_PGDOWN, SDL_SCANCODE_PAGEDOWN },
    { KEY_UP, SDL_SCANCODE_UP },
    { KEY_LEFT, SDL_SCANCODE_LEFT },
    { KEY_DOWN, SDL_SCANCODE_DOWN },
    { KEY_RIGHT, SDL_SCANCODE_RIGHT },
    { KEY_NUMLOCK, SDL_SCANCODE_NUMLOCKCLEAR },
    { KEY_NUMDIV, SDL_SCANCODE_KP_DIVIDE },
    { KEY_NUMMUL, SDL_SCANCODE_KP_MULTIPLY },
    { KEY_NUMMINUS, SDL_SCANCODE_KP_MINUS },
    { KEY_NUM_1, SDL_SCANCODE_KP_1 },
    { KEY_NUM_2, SDL_SCANCODE_KP_2 },
    { KEY_NUM_3, SDL_SCANCODE_KP_3 },
    { KEY_NUM_4, SDL_SCANCODE_KP_4 },
    { KEY_NUM_5, SDL_SCANCODE_KP_5 },
    { KEY_NUM_6, SDL_SCANCODE_KP_6 },
    { KEY_NUM_7, SDL_SCANCODE_KP_7 },
    { KEY_NUM_8, SDL_SCANCODE_KP_8 },
    { KEY_NUM_9, SDL_SCANCODE_KP_9 },
    { KEY_NUM_0, SDL_SCANCODE_KP_0 },
    { KEY_NUMDEL, SDL_SCANCODE_KP_PERIOD },
    { KEY_NUMPLUS, SDL_SCANCODE_KP_PLUS },
    { KEY_NUMENTER, SDL_SCANCODE_KP_ENTER },
    { KEY_TILDE, SDL_SCANCODE_GRAVE },
};

static_assert(std::size(kKeys) == KEY_TILDE, "one entry per keyboard code, KEY_ESCAPE to KEY_TILDE");

constexpr bool InCodeOrder()
{
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        if (kKeys[i].code != i + 1)
            return false;
    return true;
}
static_assert(InCodeOrder(), "the table is indexed by code - 1");

// Reverse table, built once: scancode -> code.
std::array<uint32_t, SDL_NUM_SCANCODES> BuildReverse()
{
    std::array<uint32_t, SDL_NUM_SCANCODES> reverse {};
    for (const KeyEntry& entry : kKeys)
        reverse[entry.scancode] = entry.code;
    return reverse;
}

} // namespace

bool IsKeyboardCode(uint32_t code)
{
    return code >= KEY_ESCAPE && code <= KEY_TILDE;
}

SDL_Scancode ScancodeForKey(uint32_t code)
{
    return IsKeyboardCode(code) ? kKeys[code - 1].scancode : SDL_SCANCODE_UNKNOWN;
}

uint32_t KeyForScancode(SDL_Scancode scancode)
{
    static const std::array<uint32_t, SDL_NUM_SCANCODES> reverse = BuildReverse();
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES)
        return KEY_NONE;
    return reverse[scancode];
}

} // namespace sdlinput
