-- Color and the named colours through the script API: the constructor forms and the channel
-- conversion, the channel properties and their errors, ownership, and all 140 named colours
-- against a table of their CSS3/SVG keyword values written here as 0xRRGGBB.
-- Runs as a main script too: vorn <path>/tests/drawing/color.lua
-- The harness is found next to this file, so any working directory will do.
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("color")

local function rgb(c, r, g, b, label)
    T:eq(c.red, r, label .. " red")
    T:eq(c.green, g, label .. " green")
    T:eq(c.blue, b, label .. " blue")
end

-- Constructors: (red, green, blue), (rgb), (); truncation toward zero, low 8 bits.
rgb(Color(256, -1, 12.9), 0, 255, 12, "Color(256, -1, 12.9)")
rgb(Color(300, -12.9, 255.99), 44, 244, 255, "Color(300, -12.9, 255.99)")
rgb(Color(0xFF8000), 255, 128, 0, "Color(0xFF8000)")
rgb(Color(-1), 255, 255, 255, "Color(-1)")
rgb(Color(2 ^ 24), 0, 0, 0, "Color(2^24)")
rgb(Color(0x12345678), 0x34, 0x56, 0x78, "bits 24 to 31 are ignored")
rgb(Color(1e300, -1e300, 0 / 0), 0, 0, 0, "huge and NaN numbers")
rgb(Color(2 ^ 40 + 7), 0, 0, 7, "a packed number beyond 32 bits")
rgb(Color(), 0, 0, 0, "Color()")
local made = Color:new(1, 2, 3)  -- handed over below so the test run frees it
rgb(made, 1, 2, 3, "Color:new(1, 2, 3)")
tolua.takeownership(made)
rgb(Color:new_local("10", "20", "30"), 10, 20, 30, "numeric strings")
T:eq(check.owned(Color(1, 2, 3)), true, "the call form is owned by Lua")
T:eq(check.owned(Color:new_local(5)), true, "new_local is owned by Lua")
local unowned = Color:new()
T:eq(check.owned(unowned), false, "new is not owned by Lua")
tolua.takeownership(unowned)
T:raises_argument("new", 2, "string", "[no object]", "Color('x')", function() return Color:new("x") end)
T:raises_argument("new", 2, "nil", "[no object]", "Color(nil)", function() return Color:new(nil) end)
T:raises_argument("new", 2, "number", "[no object]", "two numbers", function() return Color:new(1, 2) end)

-- Channels: conversion on assignment, errors, self errors naming the native fields.
local c = Color()
c.red = 300
c.green = -1
c.blue = "12.9"
rgb(c, 44, 255, 12, "assigned channels")
T:raises_assignment("string", "number", "red = 'x'", function() c.red = "x" end)
T:raises_assignment("nil", "number", "green = nil", function() c.green = nil end)
T:raises_assignment("table", "number", "blue = {}", function() c.blue = {} end)
for property, field in pairs({ red = "r", green = "g", blue = "b" }) do
    T:raises("invalid 'self' in accessing variable '" .. field .. "'", property .. " getter with nil",
        function() return rawget(Color, ".get")[property](nil) end)
    T:raises("invalid 'self' in accessing variable '" .. field .. "'", property .. " setter with nil",
        function() rawget(Color, ".set")[property](nil, 1) end)
    T:raises("invalid 'self' in accessing variable '" .. field .. "'", property .. " setter on a Point",
        function() rawget(Color, ".set")[property](Point(), 1) end)
end
T:raises("Attempt to perform operation on an invalid operand", "Color + Color",
    function() return Color() + Color() end)
T:eq(Color(1, 2, 3) == Color(1, 2, 3), false, "colours have no ==: distinct objects differ")

-- The named colours, independent of the runtime's list.
local expected = {
    ALICEBLUE = 0xF0F8FF,
    ANTIQUEWHITE = 0xFAEBD7,
    AQUA = 0x00FFFF,
    AQUAMARINE = 0x7FFFD4,
    AZURE = 0xF0FFFF,
    BEIGE = 0xF5F5DC,
    BISQUE = 0xFFE4C4,
    BLACK = 0x000000,
    BLANCHEDALMOND = 0xFFEBCD,
    BLUE = 0x0000FF,
    BLUEVIOLET = 0x8A2BE2,
    BROWN = 0xA52A2A,
    BURLYWOOD = 0xDEB887,
    CADETBLUE = 0x5F9EA0,
    CHARTREUSE = 0x7FFF00,
    CHOCOLATE = 0xD2691E,
    CORAL = 0xFF7F50,
    CORNFLOWERBLUE = 0x6495ED,
    CORNSILK = 0xFFF8DC,
    CRIMSON = 0xDC143C,
    CYAN = 0x00FFFF,
    DARKBLUE = 0x00008B,
    DARKCYAN = 0x008B8B,
    DARKGOLDENROD = 0xB8860B,
    DARKGREEN = 0x006400,
    DARKGREY = 0xA9A9A9,
    DARKKHAKI = 0xBDB76B,
    DARKMAGENTA = 0x8B008B,
    DARKOLIVEGREEN = 0x556B2F,
    DARKORANGE = 0xFF8C00,
    DARKORCHID = 0x9932CC,
    DARKRED = 0x8B0000,
    DARKSALMON = 0xE9967A,
    DARKSEAGREEN = 0x8FBC8F,
    DARKSLATEBLUE = 0x483D8B,
    DARKSLATEGRAY = 0x2F4F4F,
    DARKTURQUOISE = 0x00CED1,
    DARKVIOLET = 0x9400D3,
    DEEPPINK = 0xFF1493,
    DEEPSKYBLUE = 0x00BFFF,
    DIMGRAY = 0x696969,
    DODGERBLUE = 0x1E90FF,
    FIREBRICK = 0xB22222,
    FLORALWHITE = 0xFFFAF0,
    FORESTGREEN = 0x228B22,
    FUCHSIA = 0xFF00FF,
    GAINSBORO = 0xDCDCDC,
    GHOSTWHITE = 0xF8F8FF,
    GOLD = 0xFFD700,
    GOLDENROD = 0xDAA520,
    GOLDENRODYELLOW = 0xFAFAD2,
    GRAY = 0x808080,
    GREEN = 0x008000,
    GREENYELLOW = 0xADFF2F,
    HONEYDEW = 0xF0FFF0,
    HOTPINK = 0xFF69B4,
    INDIANRED = 0xCD5C5C,
    INDIGO = 0x4B0082,
    IVORY = 0xFFFFF0,
    KHAKI = 0xF0E68C,
    LAVENDER = 0xE6E6FA,
    LAVENDERBLUSH = 0xFFF0F5,
    LAWNGREEN = 0x7CFC00,
    LEMONCHIFFON = 0xFFFACD,
    LIGHTBLUE = 0xADD8E6,
    LIGHTCORAL = 0xF08080,
    LIGHTCYAN = 0xE0FFFF,
    LIGHTGREEN = 0x90EE90,
    LIGHTGREY = 0xD3D3D3,
    LIGHTPINK = 0xFFB6C1,
    LIGHTSALMON = 0xFFA07A,
    LIGHTSEAGREEN = 0x20B2AA,
    LIGHTSKYBLUE = 0x87CEFA,
    LIGHTSLATEGRAY = 0x778899,
    LIGHTSTEELBLUE = 0xB0C4DE,
    LIGHTYELLOW = 0xFFFFE0,
    LIME = 0x00FF00,
    LIMEGREEN = 0x32CD32,
    LINEN = 0xFAF0E6,
    MAGENTA = 0xFF00FF,
    MAROON = 0x800000,
    MEDIUMAQUAMARINE = 0x66CDAA,
    MEDIUMBLUE = 0x0000CD,
    MEDIUMORCHID = 0xBA55D3,
    MEDIUMPURPLE = 0x9370DB,
    MEDIUMSEAGREEN = 0x3CB371,
    MEDIUMSLATEBLUE = 0x7B68EE,
    MEDIUMSPRINGGREEN = 0x00FA9A,
    MEDIUMTURQUOISE = 0x48D1CC,
    MEDIUMVIOLETRED = 0xC71585,
    MIDNIGHTBLUE = 0x191970,
    MINTCREAM = 0xF5FFFA,
    MISTYROSE = 0xFFE4E1,
    MOCCASIN = 0xFFE4B5,
    NAVAJOWHITE = 0xFFDEAD,
    NAVY = 0x000080,
    OLDLACE = 0xFDF5E6,
    OLIVE = 0x808000,
    OLIVEDRAB = 0x6B8E23,
    ORANGE = 0xFFA500,
    ORANGERED = 0xFF4500,
    ORCHID = 0xDA70D6,
    PALEGOLDENROD = 0xEEE8AA,
    PALEGREEN = 0x98FB98,
    PALETURQUOISE = 0xAFEEEE,
    PALEVIOLETRED = 0xDB7093,
    PAPAYAWHIP = 0xFFEFD5,
    PEACHPUFF = 0xFFDAB9,
    PERU = 0xCD853F,
    PINK = 0xFFC0CB,
    PLUM = 0xDDA0DD,
    POWDERBLUE = 0xB0E0E6,
    PURPLE = 0x800080,
    RED = 0xFF0000,
    ROSYBROWN = 0xBC8F8F,
    ROYALBLUE = 0x4169E1,
    SADDLEBROWN = 0x8B4513,
    SALMON = 0xFA8072,
    SANDYBROWN = 0xF4A460,
    SEAGREEN = 0x2E8B57,
    SEASHELL = 0xFFF5EE,
    SIENNA = 0xA0522D,
    SILVER = 0xC0C0C0,
    SKYBLUE = 0x87CEEB,
    SLATEBLUE = 0x6A5ACD,
    SLATEGRAY = 0x708090,
    SNOW = 0xFFFAFA,
    SPRINGGREEN = 0x00FF7F,
    STEELBLUE = 0x4682B4,
    TAN = 0xD2B48C,
    TEAL = 0x008080,
    THISTLE = 0xD8BFD8,
    TOMATO = 0xFF6347,
    TURQUOISE = 0x40E0D0,
    VIOLET = 0xEE82EE,
    WHEAT = 0xF5DEB3,
    WHITE = 0xFFFFFF,
    WHITESMOKE = 0xF5F5F5,
    YELLOW = 0xFFFF00,
    YELLOWGREEN = 0x9ACD32,
}
local count = 0
for name, value in pairs(expected) do
    count = count + 1
    local color = _G[name]
    if T:ok(tolua.type(color) == "Color", name .. " is a Color") then
        rgb(color, math.floor(value / 65536), math.floor(value / 256) % 256, value % 256, name)
    end
end
T:eq(count, 140, "140 names")
for _, name in ipairs({ "DARKGRAY", "LIGHTGRAY", "GREY", "DIMGREY", "SLATEGREY", "DARKSLATEGREY",
    "LIGHTSLATEGREY", "LIGHTGOLDENRODYELLOW", "REBECCAPURPLE" }) do
    T:eq(rawget(_G, name), nil, name .. " does not exist")
    T:eq(_G[name], nil, name .. " reads nil")
end

-- By reference: the same object, not owned, changeable; assignment hides the name.
local red = RED
T:eq(rawequal(RED, red), true, "two reads give the same object")
T:eq(check.owned(RED), false, "named colours are not owned by Lua")
RED.green = 255
T:eq(RED.green, 255, "a script may change a named colour")
RED.green = 0
GOLDENRODYELLOW.note = "pale"
T:eq(GOLDENRODYELLOW.note, "pale", "script fields on a named colour")
WHITE = 5
T:eq(WHITE, 5, "assigning a name stores a plain global")
T:eq(rawget(_G, "WHITE"), 5, "the global hides the named colour")

T:finish()
