-- Bad files: a picture whose header declares more than an image may hold is refused from its
-- header, before the decoder allocates for the whole picture.
-- Runs as a main script: vorn <path>/tests/robust/badfiles.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("badfiles")

local function le(value, size)
    local bytes = {}
    for i = 1, size do
        bytes[i] = string.char(value % 256)
        value = math.floor(value / 256)
    end
    return table.concat(bytes)
end
-- A 24-bit BMP header declaring 20000 x 1 pixels, followed by a few bytes of pixels only.
local file = assert(io.open("wide.bmp", "wb"))
file:write("BM", le(54 + 60000, 4), le(0, 4), le(54, 4), le(40, 4), le(20000, 4), le(1, 4), le(1, 2), le(24, 2),
    le(0, 4), le(60000, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4), string.rep("\1", 30))
file:close()

T:eq(Image():load("wide.bmp"), false, "a 20000-pixel-wide picture")
local log = io.open("vorn.log"):read("*a")
T:ok(log:find("20000x1 pixels; sides of 1 to 16384 load", 1, true) ~= nil, "refused for its declared size")
T:finish()
