-- The system module and the debugging globals through the script API: DEBUG and the DEV_*
-- values, the argument rules of enumerate_devices and open_url, and stroke and fill: the array
-- rules, their messages, what happens to `out`, and errors raised while the arrays are read or
-- written. Runs as a main script too: vorn <path>/tests/system/system.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("system")

-- Constants: the module holds eleven numbers; the easily confused ones by value.
local count = 0
for name, value in pairs(system) do
    count = count + ((name:find("^DEV_") and type(value) == "number") and 1 or 0)
end
T:eq(count, 11, "DEV_ numbers in system")
T:eq(DEBUG, 1, "DEBUG")
T:eq(system.DEV_CLASS_SOUND, 4, "DEV_CLASS_SOUND")
T:eq(system.DEV_CLASS_INPUT, 5, "DEV_CLASS_INPUT")
T:eq(system.DEV_SUBCLASS_PLAY, 2, "DEV_SUBCLASS_PLAY")
T:eq(system.DEV_SUBCLASS_JOYSTICK, 18, "DEV_SUBCLASS_JOYSTICK")

-- Argument rules of enumerate_devices and open_url (nil is a string to the binding).
T:raises_argument("enumerate_devices", 1, "string", "number", "a word", function() return system.enumerate_devices("all") end)
T:raises_argument("enumerate_devices", 2, "number", "[no object]", "two classes",
    function() return system.enumerate_devices(1, 2) end)
T:eq(select("#", open_url(nil)), 0, "open_url(nil) returns nothing")
T:raises_argument("open_url", 1, "table", "string", "a table", function() open_url({}) end)

-- Triangles come back as consecutive triples of new, Lua-owned Points.
local function area(out)
    local total = 0
    for i = 1, #out, 3 do
        local a, b, c = out[i], out[i + 1], out[i + 2]
        total = total + ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2
    end
    return total
end
local out = {}
T:eq(stroke({ Point(0, 0), { x = 100, y = 0 } }, 10, out), true, "stroke of a segment")
T:near(area(out), 1000, "the segment's stroke covers 100 x 10", 1e-2)
T:ok(tolua.type(out[1]) == "LuaPoint" and check.owned(out[1]) and out[1] ~= out[2], "results are new Lua-owned Points")
local filled = {}
T:eq(fill({ { x = 0, y = 0 }, Point(60, 0), { x = 60, y = 20 }, { x = 20, y = 20 }, Point(20, 50), { x = 0, y = 50 } },
    filled), true, "fill of an L")
T:near(area(filled), 1800, "the L's triangles cover its area", 1e-2)

-- A nil entry: stroke skips it, fill refuses it; entries are read with the normal indexing
-- rules, so __index may supply a missing one.
local holed = { Point(0, 0), nil, Point(100, 0) }
local skipped = {}
T:eq(stroke(holed, 10, skipped), true, "stroke skips a nil entry")
T:near(area(skipped), 1000, "the stroke of the two remaining points", 1e-2)
T:raises("fill: Invalid value in the array, table expected, got nil", "fill over a nil entry",
    function() return fill(holed, {}) end)
setmetatable(holed, { __index = function() return Point(50, 50) end })
T:eq(fill(holed, {}), true, "fill over an entry __index supplies")

-- Members: x is read first, then y; both must be numbers.
T:raises("Invalid argument in the array: no y-member", "stroke {x = 1}", function() return stroke({ { x = 1 } }, 1, {}) end)
T:raises("Invalid argument in the array: no x-member", "stroke {y = 1}", function() return stroke({ { y = 1 } }, 1, {}) end)
T:raises("fill: Invalid argument in the array: no y-member", "fill {x = 1}", function() return fill({ { x = 1 } }, {}) end)
T:raises("fill: Invalid argument in the array: no x-member", "fill {}", function() return fill({ {} }, {}) end)
T:raises("attempt to index a number value", "an entry that cannot be indexed", function() return fill({ 5 }, {}) end)

-- The arrays: nil or missing first, then anything but a table is an argument error.
T:raises("stroke: invalid argument #1, object expected, got nil", "stroke(nil, ...)", function() return stroke(nil, 1, {}) end)
T:raises("stroke: invalid argument #3, object expected, got nil", "stroke without out", function() return stroke({}, 1) end)
T:raises("fill: invalid argument #1, object expected, got nil", "fill()", function() return fill() end)
T:raises("fill: invalid argument #2, object expected, got nil", "fill(points, nil)", function() return fill({}, nil) end)
T:raises("fill: invalid argument #1, object expected, got nil", "nil before a wrong type", function() return fill(nil, 5) end)
T:raises_argument("stroke", 3, "string", "table", "stroke into a string", function() return stroke({}, 1, "s") end)
T:raises_argument("fill", 3, "number", "[no object]", "fill with three arguments", function() return fill({}, {}, 0) end)

-- out: untouched on false and on errors; entries past the result keep their values.
local kept = { "keep" }
T:eq(stroke({ Point(1, 1) }, 10, kept), false, "one point does not stroke")
T:eq(fill({ Point(0, 0), Point(1, 1), Point(2, 2) }, kept), false, "a line does not fill")
pcall(fill, { Point(0, 0), { x = 1 } }, kept)
T:ok(#kept == 1 and kept[1] == "keep", "out untouched on false and on errors")
local long = { "old", "old", "old", "old", "old" }
T:eq(fill({ Point(0, 0), Point(10, 0), Point(0, 10) }, long), true, "fill of a triangle")
T:ok(tolua.type(long[3]) == "LuaPoint" and long[4] == "old" and long[5] == "old", "entries past the result stay")

-- Errors raised by scripts while the arrays are read or written reach the caller unchanged.
local exploding = setmetatable({}, { __index = function() error("no coordinates here", 0) end })
T:raises("no coordinates here", "an entry whose __index fails", function() return stroke({ exploding }, 1, {}) end)
local full = setmetatable({}, { __newindex = function() error("out is full", 0) end })
T:raises("out is full", "an out whose __newindex fails", function() return stroke({ Point(0, 0), Point(9, 0) }, 1, full) end)

T:finish()
