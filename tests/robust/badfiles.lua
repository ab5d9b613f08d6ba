-- Bad files: a picture whose header declares more than an image may hold is refused from its
-- header, before the decoder allocates for the whole picture.
-- Runs as a main script: vorn <path>/tests/robust/badfiles.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("badfiles")

-- A 24-bit BMP header declaring 20000 x 1 pixels, followed by a few bytes of pixels only.
check.bmp("wide.bmp", 20000, 1, string.rep("\1", 30))

T:eq(Image():load("wide.bmp"), false, "a 20000-pixel-wide picture")
local log = io.open("vorn.log"):read("*a")
T:ok(log:find("20000x1 pixels; sides of 1 to 16384 load", 1, true) ~= nil, "refused for its declared size")
T:finish()
