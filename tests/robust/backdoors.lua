-- The binding's back doors: accessors and collectors taken from one class table and called with an
-- object of another class (or a foreign userdata) raise instead of touching the wrong object, while
-- the same functions keep working on their own class and its subclasses.
-- Runs as a main script: vorn <path>/tests/robust/backdoors.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("backdoors")

local colour = Color(10, 20, 30)
local point = Point(1, 2)

-- A setter fetched from Point's table writes nothing into a colour; a getter reads nothing from it.
T:raises("invalid 'self' in accessing variable 'y'", "Point setter on a Color",
    Point[".set"].y, colour, 1)
T:raises("invalid 'self' in accessing variable 'x'", "Point getter on a Color", Point[".get"].x, colour)
T:eq(colour.red * 65536 + colour.green * 256 + colour.blue, 10 * 65536 + 20 * 256 + 30, "colour untouched")
T:raises("invalid 'self' in accessing variable 'y'", "Point setter on the named RED", Point[".set"].y, RED, 1)
T:raises("invalid 'self' in accessing variable 'x'", "Point setter on a file", Point[".set"].x, io.stdout, 1)
T:raises("invalid 'self' in accessing variable 'x'", "Point getter on a zero-size userdata",
    Point[".get"].x, newproxy())

-- Across the scene classes: a Sprite's accessor on a Layer, a Timer's on a Point.
local sprite, layer = Sprite(), Layer()
T:raises("invalid 'self' in accessing variable", "Sprite accessor on a Layer", Sprite[".get"].canvas, layer)
T:raises("invalid 'self' in accessing variable 'interval'", "Timer setter on a Point",
    Timer[".set"].interval, point, 5)

-- Collectors: another class's object is refused and left alive.
T:raises("invalid 'self' in function 'delete'", "Point collector on a Color", Point[".collector"], colour)
T:raises("invalid 'self' in function 'delete'", "Sound collector on a Sprite", Sound[".collector"], sprite)
T:eq(colour.green, 20, "colour alive after the refused collector")

-- Legitimate uses: the class itself, a subclass through its base's accessors.
Point[".set"].y(point, 7)
T:eq(point.y, 7, "Point setter on a Point")
LuaSceneNode[".set"].alpha(sprite, 0.5)
T:near(LuaSceneNode[".get"].alpha(sprite), 0.5, "base accessor on a Sprite")
T:eq(sprite.canvas ~= nil, true, "Sprite getter on a Sprite")

T:finish()
