-- Point through the script API: construction and its errors, properties, the two forms of the
-- point-taking methods, identity and operators, and the formulas (the engine's own and the API's)
-- under the angle convention: 0 along +y, positive turning clockwise.
-- Runs as a main script: vorn <path>/tests/geometry/point.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("point")

local function xy(p, x, y, label, eps)
    T:near(p.x, x, label .. " x", eps)
    T:near(p.y, y, label .. " y", eps)
end

-- Construction: (x, y), (), a copy; numeric strings; a nil source is refused by every form.
xy(Point:new_local("3", 4), 3, 4, "Point:new_local('3', 4)")
xy(Point(), 0, 0, "Point()")
local original = Point(7, 8)
local copy = Point(original)
copy.x = 1
T:eq(original.x, 7, "a copy is a separate point")
-- The call form and new_local are owned by Lua, new is not (the test hands it over).
local made = Point:new(1, 1)
T:eq(check.owned(Point(1, 1)) and check.owned(Point:new_local(made)) and not check.owned(made), true, "ownership")
tolua.takeownership(made)
for _, make in ipairs({ Point, function(p) return Point:new(p) end, function(p) return Point:new_local(p) end }) do
    T:raises("Copy Point: invalid src.", "a nil source", make, nil)
end
T:raises_argument("new", 2, "string", "[no object]", "Point('a')", function() return Point:new("a") end)

-- Properties: single-precision floats, numeric strings, assignment and self errors, script fields.
local p = Point()
p.x = 0.1
T:ok(p.x ~= 0.1 and math.abs(p.x - 0.1) < 1e-7, "x is stored as a float")
T:raises_assignment("string", "number", "x = 'abc'", function() p.x = "abc" end)
T:raises("invalid 'self' in accessing variable 'x'", "getter with nil", function() return rawget(Point, ".get").x(nil) end)

-- Self errors name the C++ member, argument errors the Lua one.
T:raises("invalid 'self' in function 'SetRotationSize'", "nil self", Point.set_radial_angle, nil, 1, 2)
T:raises_argument("get_radial", 1, "Color", "const LuaPoint", "wrong self", function() return Point.get_radial(Color()) end)

-- Point-taking methods: (x, y) or a Point; nil is refused with one text and changes nothing.
for _, name in ipairs({ "add", "subtract", "assign", "dot", "per", "get_distance", "get_distance_squared",
    "get_direction", "get_direction_r" }) do
    local v = Point(1, 1)
    T:raises("add: invalid point.", name .. "(nil)", function() return v[name](v, nil) end)
    xy(v, 1, 1, name .. "(nil) leaves the point unchanged")
    T:raises_argument(name, 2, "string", "const LuaPoint", name .. "('a')", function() return v[name](v, "a") end)
    T:eq(v[name](v, Point(2, 3)), v[name](Point(1, 1), 2, 3), name .. ": the two forms agree")
end
local a = Point(1, 2)
a:add(Point(10, 20))
a:subtract(1, -2)
xy(a, 10, 24, "add then subtract")

-- Identity and operators: only == is defined, and it compares objects, not coordinates.
local p1, p2 = Point(1, 2), Point(1, 2)
T:eq(p1 == p2 or p1 ~= p1, false, "equal coordinates are different points; a point equals itself")
T:raises("eq: invalid right-hand value.", ".eq with nil", function() return rawget(Point, ".eq")(p1, nil) end)
T:raises("invalid 'self' in function 'operator=='", ".eq with nil self", function() return rawget(Point, ".eq")(nil, p1) end)
T:raises("Attempt to perform operation on an invalid operand", "p1 < p2", function() return p1 < p2 end)

-- Lengths: zero within 0.001 on each axis; lengths that stop at zero; a zero divisor is ignored.
T:eq(Point(3, 4):get_radial() .. " " .. Point(3, 4):get_radial_squared(), "5 25", "radial and its square")
T:eq(Point(0.001, -0.001):is_zero(), true, "(0.001, -0.001) is zero")
T:eq(Point(0.0011, 0):is_nonzero(), true, "(0.0011, 0) is not zero")
local r = Point(3, 4)
r:set_radial(10)
xy(r, 6, 8, "set_radial keeps the direction")
r:change_radial(-100)
xy(r, 0, 0, "change_radial stops at zero")
r:set_radial(5)
xy(r, 0, 0, "a zero vector has no direction to lengthen")
local t = Point(6, 8)
t:truncate(50)
t:truncate(5)
xy(t, 3, 4, "truncate shortens only")
t:truncate(-1)
xy(t, 0, 0, "a negative limit is zero")
local n = Point(0, -7)
n:normalize()
xy(n, 0, -1, "normalize")
local d = Point(3, 6)
d:divide(0)
d:multiply(2.5)
xy(d, 7.5, 15, "divide by zero leaves the point, multiply scales")

-- Angles: 0 along +y, 90 along +x, growing clockwise.
local angles = {}
for i, p in ipairs({ Point(0, 1), Point(0, 0), Point(1, 0), Point(0, -1), Point(-1, 0) }) do
    angles[i] = p:get_angle()
end
T:eq(table.concat(angles, " "), "0 0 90 180 270", "angles of +y, zero, +x, -y, -x")
T:near(Point(-1, -1):get_angle_r(), 5 * math.pi / 4, "(-1, -1) has angle 5pi/4", 1e-6)
local s = Point(0, 2)
s:set_angle(90)
xy(s, 2, 0, "set_angle keeps the length")
local c = Point(2, 1)
c:change_angle_90CW()
xy(c, 1, -2, "change_angle_90CW turns clockwise")
c:change_angle_90CCW()
c:change_angle_180()
xy(c, -2, -1, "change_angle_90CCW turns back, change_angle_180 reverses")
c:change_angle(90)
xy(c, -1, 2, "change_angle 90 turns clockwise")
c:change_angle_r(-math.pi / 2)
xy(c, -2, -1, "a negative angle turns counter-clockwise")
local pa = Point(9, 9)
pa:set_radial_angle_r(math.pi, 2)
xy(pa, 0, -2, "set_radial_angle_r ignores the old value")

-- Products, distances and directions.
T:eq(Point(1, 0):per(0, 1) .. " " .. Point(2, 3):dot(4, 5), "1 23", "per and dot")
T:eq(Point(1, 1):get_distance(4, 5) .. " " .. Point(0, 0):get_direction(5, 0), "5 90", "distance and direction")
T:near(Point(1, 1):get_direction_r(-2, 1), 3 * math.pi / 2, "direction_r to the left", 1e-6)

T:finish()
