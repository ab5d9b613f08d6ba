-- Point through the script API: construction and ownership, properties, the error texts, the
-- overload fallback, identity and `==`, and the formulas under the angle convention (0 along +y,
-- positive turning clockwise). Runs as a main script too: vorn <path>/tests/geometry/point.lua
-- The harness is found next to this file, so any working directory will do.
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("point")

local function xy(p, x, y, label, eps)
    T:near(p.x, x, label .. " x", eps)
    T:near(p.y, y, label .. " y", eps)
end

-- Construction: the three forms under new, new_local and the call; who owns the result.
xy(Point(3, 4), 3, 4, "Point(3, 4)")
xy(Point(), 0, 0, "Point()")
-- Objects made with `new` are handed over with tolua.takeownership so the test run frees them.
local made = Point:new(-1, 2)
xy(made, -1, 2, "Point:new(-1, 2)")
tolua.takeownership(made)
xy(Point:new_local(5, 6), 5, 6, "Point:new_local(5, 6)")
xy(Point("3", "4"), 3, 4, "numeric strings")
local original = Point(7, 8)
local copy = Point(original)
xy(copy, 7, 8, "copy")
copy.x = 1
T:eq(original.x, 7, "a copy is a separate point")
T:eq(check.owned(Point(1, 1)), true, "the call form is owned by Lua")
T:eq(check.owned(Point:new_local(1, 1)), true, "new_local is owned by Lua")
local unowned = Point:new(1, 1)
T:eq(check.owned(unowned), false, "new is not owned by Lua")
tolua.takeownership(unowned)
T:eq(check.owned(Point(original)), true, "a copy made by the call is owned by Lua")
local unownedCopy = Point:new(original)
T:eq(check.owned(unownedCopy), false, "a copy made by new is not owned")
tolua.takeownership(unownedCopy)

T:raises("Copy Point: invalid src.", "Point(nil)", function() return Point(nil) end)
T:raises("Copy Point: invalid src.", "Point:new(nil)", function() return Point:new(nil) end)
T:raises("Copy Point: invalid src.", "Point:new_local(nil)", function() return Point:new_local(nil) end)
T:raises_argument("new", 2, "string", "[no object]", "Point('a')", function() return Point:new("a") end)
-- The first-registered form, (), reports a mismatch of all three.
T:raises_argument("new", 2, "number", "[no object]", "three numbers", function() return Point:new(1, 2, 3) end)
T:raises_argument("new", 2, "Color", "[no object]", "a Color", function() return Point:new(Color()) end)

-- Properties: floats, numeric strings, assignment errors, script fields, identity.
local p = Point()
p.x = 0.1
T:ok(p.x ~= 0.1 and math.abs(p.x - 0.1) < 1e-7, "x is stored as a float")
p.y = "250"
T:eq(p.y, 250, "a numeric string is converted")
T:raises_assignment("string", "number", "non-numeric string", function() p.x = "abc" end)
T:raises_assignment("nil", "number", "nil", function() p.y = nil end)
T:raises_assignment("boolean", "number", "boolean", function() p.x = true end)
p.label = "spawn"
T:eq(p.label, "spawn", "script fields are kept")
T:eq(rawget(Point, ".get").x(p), p.x, "the getter called directly")
T:raises("invalid 'self' in accessing variable 'x'", "getter with nil", function() return rawget(Point, ".get").x(nil) end)
T:raises("invalid 'self' in accessing variable 'y'", "setter with nil", function() rawget(Point, ".set").y(nil, 1) end)

-- Self errors name the C++ member; every method with nil self.
local selfNames = {
    get_radial = "GetSize", get_radial_squared = "GetSizeSquared", set_radial = "SetSize",
    change_radial = "ChangeSize", is_zero = "IsZero", is_nonzero = "IsNonZero", set_zero = "SetZero",
    get_angle = "GetRotation", get_angle_r = "GetRotationR", set_angle = "SetRotation",
    set_angle_r = "SetRotationR", change_angle_180 = "ChangeRotation180",
    change_angle_90CCW = "ChangeRotation90CCW", change_angle_90CW = "ChangeRotation90CW",
    change_angle = "ChangeRotation", change_angle_r = "ChangeRotationR",
    set_radial_angle = "SetRotationSize", set_radial_angle_r = "SetRotationRSize",
    normalize = "Normalize", truncate = "Truncate", add = "Add", subtract = "Subtract",
    multiply = "Multiply", divide = "Divide", assign = "Assign", dot = "Dot", per = "Per",
    get_distance = "Distance", get_distance_squared = "DistanceSquared", get_direction = "Direction",
    get_direction_r = "DirectionR",
}
local arity = { set_radial = 1, change_radial = 1, set_angle = 1, set_angle_r = 1, change_angle = 1,
    change_angle_r = 1, set_radial_angle = 2, set_radial_angle_r = 2, truncate = 1, multiply = 1, divide = 1 }
local pointTaking = { "add", "subtract", "assign", "dot", "per", "get_distance", "get_distance_squared",
    "get_direction", "get_direction_r" }
for _, name in ipairs(pointTaking) do
    arity[name] = "point"
end
for luaName, member in pairs(selfNames) do
    local args = {}
    if arity[luaName] == "point" then
        args = { Point() }
    else
        for i = 1, arity[luaName] or 0 do
            args[i] = 1
        end
    end
    T:raises("invalid 'self' in function '" .. member .. "'", luaName .. " with nil self",
        function() return Point[luaName](nil, unpack(args)) end)
end

-- A wrong self type, an extra argument or a nil number is an argument error naming the Lua name.
T:raises_argument("get_radial", 1, "Color", "const LuaPoint", "wrong self", function() return Point.get_radial(Color()) end)
T:raises_argument("set_zero", 2, "number", "[no object]", "extra argument", function() p:set_zero(5) end)
T:raises_argument("set_radial", 2, "nil", "number", "nil length", function() p:set_radial(nil) end)
T:raises_argument("multiply", 2, "[no object]", "number", "missing factor", function() p:multiply() end)
T:raises_argument("set_radial_angle", 3, "string", "number", "bad length", function() p:set_radial_angle(1, "x") end)

-- Two-form methods: (x, y) first, then the Point form, then the Point form's argument error.
for _, name in ipairs(pointTaking) do
    local v = Point(1, 1)
    T:raises("add: invalid point.", name .. "(nil)", function() return v[name](v, nil) end)
    xy(v, 1, 1, name .. "(nil) leaves the point unchanged")
    T:raises_argument(name, 2, "string", "const LuaPoint", name .. "('a')", function() return v[name](v, "a") end)
    T:raises_argument(name, 2, "number", "const LuaPoint", name .. "(1)", function() return v[name](v, 1) end)
    T:raises_argument(name, 3, "number", "[no object]", name .. "(p, 5)", function() return v[name](v, Point(), 5) end)
    T:eq(v[name](v, Point(2, 3)), v[name](Point(1, 1), 2, 3), name .. ": the two forms agree")
end
local a = Point(1, 2)
a:add(Point(10, 20))
xy(a, 11, 22, "add(p)")
a:add(1, -2)
xy(a, 12, 20, "add(x, y)")
a:add("1", "2")
xy(a, 13, 22, "add with numeric strings")
a:subtract(Point(3, 2))
xy(a, 10, 20, "subtract(p)")
a:subtract(10, 10)
xy(a, 0, 10, "subtract(x, y)")
a:assign(Point(-4, 9))
xy(a, -4, 9, "assign(p)")
a:assign(2, 3)
xy(a, 2, 3, "assign(x, y)")

-- Identity and operators: only == is defined, and it compares objects, not coordinates.
local p1, p2 = Point(1, 2), Point(1, 2)
T:eq(p1 == p2, false, "equal coordinates are different points")
T:eq(p1 == p1, true, "a point equals itself")
T:eq(p1 ~= p2, true, "~= negates ==")
local eq = rawget(Point, ".eq")
T:raises("eq: invalid right-hand value.", ".eq with nil", function() return eq(p1, nil) end)
T:raises("invalid 'self' in function 'operator=='", ".eq with nil self", function() return eq(nil, p1) end)
T:raises_argument(".eq", 2, "number", "const LuaPoint", ".eq with a number", function() return eq(p1, 5) end)
for symbol, op in pairs({
    ["+"] = function(x, y) return x + y end, ["-"] = function(x, y) return x - y end,
    ["*"] = function(x, y) return x * y end, ["/"] = function(x, y) return x / y end,
    ["<"] = function(x, y) return x < y end, ["<="] = function(x, y) return x <= y end,
}) do
    T:raises("Attempt to perform operation on an invalid operand", "operator " .. symbol, op, p1, p2)
end

-- Lengths and zero.
T:eq(Point(3, 4):get_radial(), 5, "radial of (3, 4)")
T:eq(Point(3, 4):get_radial_squared(), 25, "radial squared of (3, 4)")
local root2 = Point(1, 1):get_radial()
T:ok(root2 ~= math.sqrt(2) and math.abs(root2 - math.sqrt(2)) < 1e-7, "results are floats")
T:eq(Point(0.001, -0.001):is_zero(), true, "(0.001, -0.001) is zero")
T:eq(Point(0.0011, 0):is_zero(), false, "(0.0011, 0) is not zero")
T:eq(Point(0.0011, 0):is_nonzero(), true, "is_nonzero negates is_zero")
local z = Point(5, 5)
z:set_zero()
xy(z, 0, 0, "set_zero")
local r = Point(3, 4)
r:set_radial(10)
xy(r, 6, 8, "set_radial keeps the direction")
r:change_radial(-5)
xy(r, 3, 4, "change_radial")
r:change_radial(-100)
xy(r, 0, 0, "change_radial stops at zero")
local t = Point(6, 8)
t:truncate(5)
xy(t, 3, 4, "truncate shortens")
t:truncate(50)
xy(t, 3, 4, "truncate leaves a shorter vector")
local n = Point(0, -7)
n:normalize()
xy(n, 0, -1, "normalize")
local zero = Point()
zero:normalize()
xy(zero, 0, 0, "normalize of zero stays zero")
local d = Point(3, 6)
d:divide(3)
xy(d, 1, 2, "divide")
d:divide(0)
xy(d, 1, 2, "divide by zero leaves the point")
d:multiply(2.5)
xy(d, 2.5, 5, "multiply")

-- Angles: 0 along +y, 90 along +x, clockwise.
T:eq(Point(0, 1):get_angle(), 0, "(0, 1) has angle 0")
T:eq(Point(0, 0):get_angle(), 0, "(0, 0) has angle 0")
T:eq(Point(1, 0):get_angle(), 90, "(1, 0) has angle 90")
T:eq(Point(0, -1):get_angle(), 180, "(0, -1) has angle 180")
T:eq(Point(-1, 0):get_angle(), 270, "(-1, 0) has angle 270")
T:near(Point(1, 0):get_angle_r(), math.pi / 2, "(1, 0) has angle pi/2", 1e-6)
T:near(Point(-1, -1):get_angle_r(), 5 * math.pi / 4, "(-1, -1) has angle 5pi/4", 1e-6)
local s = Point(0, 2)
s:set_angle(90)
xy(s, 2, 0, "set_angle 90 on (0, 2)")
s:set_angle_r(math.pi)
xy(s, 0, -2, "set_angle_r pi")
local sz = Point()
sz:set_angle(45)
xy(sz, 0, 0, "set_angle keeps a zero vector zero")
local c = Point(0, 1)
c:change_angle_90CW()
xy(c, 1, 0, "change_angle_90CW turns clockwise")
c:change_angle_90CCW()
xy(c, 0, 1, "change_angle_90CCW turns back")
c:change_angle_90CCW()
xy(c, -1, 0, "change_angle_90CCW turns counter-clockwise")
c:change_angle_180()
xy(c, 1, 0, "change_angle_180")
c:change_angle(90)
xy(c, 0, -1, "change_angle 90 turns clockwise")
c:change_angle_r(-math.pi / 2)
xy(c, 1, 0, "change_angle_r negative turns counter-clockwise")
c:change_angle(45)
T:near(c:get_angle(), 135, "change_angle adds to the angle", 1e-3)
T:near(c:get_radial(), 1, "change_angle keeps the length")
local pa = Point(9, 9)
pa:set_radial_angle(90, 3)
xy(pa, 3, 0, "set_radial_angle ignores the old value")
pa:set_radial_angle_r(math.pi, 2)
xy(pa, 0, -2, "set_radial_angle_r")

-- Products, distances and directions.
T:eq(Point(1, 0):per(Point(0, 1)), 1, "per of (1, 0) with (0, 1)")
T:eq(Point(1, 0):per(0, -1), -1, "per of (1, 0) with (0, -1)")
T:eq(Point(2, 3):dot(4, 5), 23, "dot")
T:eq(Point(1, 1):get_distance(4, 5), 5, "distance")
T:eq(Point(1, 1):get_distance_squared(Point(4, 5)), 25, "distance squared")
T:eq(Point(0, 0):get_direction(0, 5), 0, "direction to (0, 5)")
T:eq(Point(0, 0):get_direction(Point(5, 0)), 90, "direction to (5, 0)")
T:near(Point(1, 1):get_direction(1, -4), 180, "direction straight down")
T:near(Point(1, 1):get_direction_r(-2, 1), 3 * math.pi / 2, "direction_r to the left", 1e-6)

T:finish()
