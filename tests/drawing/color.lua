-- Color and the named colours through the script API: the constructor forms and the channel
-- conversion, the channels and their errors, and the named colours checked by what must hold
-- for the whole table plus the entries easily got wrong.
-- Runs as a main script: vorn <path>/tests/drawing/color.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("color")

local function rgb(c, r, g, b, label)
    T:eq(c.red .. "," .. c.green .. "," .. c.blue, r .. "," .. g .. "," .. b, label)
end

-- Constructors: (red, green, blue) and (rgb) keep the low 8 / 24 bits of the truncated number.
rgb(Color(256, -1, 12.9), 0, 255, 12, "Color(256, -1, 12.9)")
rgb(Color(300, -12.9, 255.99), 44, 244, 255, "Color(300, -12.9, 255.99)")
rgb(Color(0xFF8000), 255, 128, 0, "Color(0xFF8000)")
rgb(Color(-1), 255, 255, 255, "Color(-1)")
rgb(Color(0x12345678), 0x34, 0x56, 0x78, "bits 24 to 31 are ignored")
rgb(Color(1e300, -1e300, 0 / 0), 0, 0, 0, "huge and NaN numbers")
rgb(Color(), 0, 0, 0, "Color()")
T:raises_argument("new", 2, "number", "[no object]", "two numbers", function() return Color:new(1, 2) end)

-- Channels: the same conversion on assignment; the errors name the native fields.
local c = Color()
c.red, c.green, c.blue = 300, -1, "12.9"
rgb(c, 44, 255, 12, "assigned channels")
T:raises_assignment("nil", "number", "green = nil", function() c.green = nil end)
T:raises("invalid 'self' in accessing variable 'b'", "blue setter on a Point",
    function() rawget(Color, ".set").blue(Point(), 1) end)
T:raises("invalid 'self' in accessing variable 'r'", "red getter with nil", function() return rawget(Color, ".get").red(nil) end)

-- The named colours (global variables, read through the globals' getters): 140 of them; each
-- value belongs to one name, except two pairs of synonyms; each round-trips through the packed form.
local names, byValue = {}, {}
for name in pairs(rawget(_G, ".get")) do
    local value = _G[name]
    if tolua.type(value) == "Color" then
        names[#names + 1] = name
        local packed = (value.red * 256 + value.green) * 256 + value.blue
        byValue[packed] = (byValue[packed] and byValue[packed] .. "=" or "") .. name
        rgb(Color(packed), value.red, value.green, value.blue, name .. " round trip")
    end
end
T:eq(#names, 140, "140 named colours")
local shared = {}
for _, list in pairs(byValue) do
    if list:find("=") then
        local a, b = list:match("^(%w+)=(%w+)$")
        shared[#shared + 1] = a < b and a .. "=" .. b or b .. "=" .. a
    end
end
table.sort(shared)
T:eq(table.concat(shared, " "), "AQUA=CYAN FUCHSIA=MAGENTA", "only the synonyms share a value")
-- Easily confused: dark grey is lighter than grey, one spelling of each grey, and the keyword
-- lightgoldenrodyellow is GOLDENRODYELLOW.
rgb(GRAY, 128, 128, 128, "GRAY")
rgb(DARKGREY, 169, 169, 169, "DARKGREY")
rgb(GOLDENRODYELLOW, 250, 250, 210, "GOLDENRODYELLOW")
for _, name in ipairs({ "GREY", "DARKGRAY", "LIGHTGRAY", "DIMGREY", "SLATEGREY", "LIGHTGOLDENRODYELLOW" }) do
    T:eq(_G[name], nil, name .. " does not exist")
end

-- By reference: the same object, not owned by Lua, changeable; assignment hides the name.
T:eq(check.owned(RED), false, "named colours are not owned by Lua")
RED.green = 255
T:eq(rawequal(RED, RED) and RED.green, 255, "the same object on every read, changeable")
WHITE = 5
T:eq(rawget(_G, "WHITE"), 5, "assigning a name stores a plain global")

T:finish()
