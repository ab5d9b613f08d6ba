-- Binding conventions through the test class Probe: overload fallback, number and boolean
-- conversions, self and argument errors, identity and script fields, and a callback property.
-- Needs the test package that registers Probe (tests/bridge/probe.pkg).
-- The harness is found next to this file, so any working directory will do.
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("conventions")

local p = Probe(2)

-- Overloads: the last registered is tried first and falls back down to the first.
T:eq(p:pick(), 0, "pick()")
T:eq(p:pick(5), 1, "pick(n)")
T:eq(p:pick(5, true), 2, "pick(n, flag)")
T:eq(p:pick("5"), 1, "a numeric string is a number")
T:eq(p:pick(5, nil), 2, "nil passes a boolean check")
T:raises_argument("pick", 2, "string", "[no object]", "pick('x') reports the first overload",
    function() return p:pick("x") end)
T:raises_argument("pick", 2, "number", "[no object]", "pick(1, 2, 3)", function() return p:pick(1, 2, 3) end)

-- Conversions: integers truncate toward zero, booleans accept nil as false.
T:eq(p:truncate(2.9), 2, "2.9 truncates to 2")
T:eq(p:truncate(-2.9), -2, "-2.9 truncates to -2")
T:eq(p:echo(nil), false, "nil reads as false")
T:eq(p:echo(true), true, "true")
T:raises_argument("echo", 2, "number", "boolean", "a number is not a boolean", function() return p:echo(1) end)

-- Self errors name the C++ member; a wrong self type is an argument error naming the Lua name.
T:raises("invalid 'self' in function 'Pick'", "nil self", function() return Probe.pick(nil) end)
T:raises("invalid 'self' in function 'Echo'", "nil self, echo", function() return Probe.echo(nil, true) end)
T:raises_argument("pick", 1, "LuaPoint", "Probe", "wrong self", function() return Probe.pick(Point()) end)
T:raises_argument("live", 2, "number", "[no object]", "the live count is static", function() return Probe:live(1) end)

-- Properties: numeric strings, assignment errors.
p.value = "250"
T:eq(p.value, 250, "numeric string assigned")
T:raises_assignment("string", "number", "non-numeric string", function() p.value = "x" end)

-- The callback property: any value stored, nil clears, the object passed is the known object.
T:eq(p.on_event, nil, "a callback starts unset")
local seen = {}
local function handler(probe)
    seen[#seen + 1] = probe
end
p.on_event = handler
T:eq(p.on_event, handler, "the getter gives the stored function")
p.tag = "mine"
p:fire()
p:fire()
T:eq(#seen, 2, "fired twice")
T:eq(rawequal(seen[1], p) and rawequal(seen[2], p), true, "the callback receives the same object")
T:eq(seen[1].tag, "mine", "script fields survive the round trip")
p.on_event = nil
T:eq(p.on_event, nil, "nil clears the callback")
p:fire()
T:eq(#seen, 2, "a cleared callback is not called")
p.on_event = function() return nil end
T:eq(p:ask(), false, "a nil result reads as false")
p.on_event = function() return true end
T:eq(p:ask(), true, "true")
p.on_event = 42
T:eq(p.on_event, 42, "a non-function value is stored")
T:raises("invalid 'self' in accessing variable 'on_event'", "getter with nil",
    function() return rawget(Probe, ".get").on_event(nil) end)
T:raises("invalid 'self' in accessing variable 'on_event'", "setter with nil",
    function() rawget(Probe, ".set").on_event(nil, print) end)
T:raises("invalid 'self' in accessing variable 'on_event'", "setter on another class",
    function() rawget(Probe, ".set").on_event(Point(), print) end)
T:raises_assignment("[no object]", "value", "setter without a value",
    function() rawget(Probe, ".set").on_event(p) end)

T:finish()
