-- The scene nodes through the script API: defaults, the absolute rotation, scale and shear records
-- over the engine's relative changes (seen through get_world_point), the transform order, nil
-- messages and self names, the colour reference, companions (canvas, clipper, camera), layer
-- children and the display's root list. Runs as a main script too: vorn <path>/tests/scene/scene.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("scene")

local function world(node, x, y)
    local p = node:get_world_point(x, y)
    return p.x, p.y
end
local function at(node, x, y, ex, ey, label)
    local wx, wy = world(node, x, y)
    T:near(wx, ex, label .. " x", 1e-3)
    T:near(wy, ey, label .. " y", 1e-3)
end

-- The blend-mode constants, in order.
T:eq(BM_NONE .. BM_SELECT .. BM_MODULATE .. BM_ADD .. BM_SUBTRACT, "01234", "BM_ constants")

-- A fresh node of each kind.
for name, make in pairs({ Sprite = Sprite, Layer = Layer, Camera = Camera }) do
    local n = make()
    T:eq(n.rotation + n.shearx + n.sheary + n.depth + n.x + n.y, 0, name .. " starts unturned at the origin")
    T:eq(n.scalex * n.scaley * n.alpha, 1, name .. " starts unscaled and opaque")
    T:eq(n.visible, true, name .. " starts visible")
    T:eq(n.blending, BM_NONE, name .. " starts with BM_NONE")
end
T:eq(Sprite().color.green, 255, "a sprite starts white")
local camera = Camera()
T:eq(camera.color.red + camera.color.green + camera.color.blue, 0, "a camera starts black")
T:raises("invalid 'self' in accessing variable 'rotation'", "rotation of nil",
    function() return rawget(LuaSceneNode, ".get").rotation(nil) end)

-- Rotation: clockwise, y up; the record is absolute and never wrapped.
local s = Sprite()
s.rotation = 90
s.rotation = 90
at(s, 0, 1, 1, 0, "90 assigned twice turns once: up becomes right")
s:change_rotation(270)
s:change_rotation(270)
T:eq(s.rotation, 630, "change_rotation adds to the record")
s:set_rotation_r(math.pi)
T:near(s.rotation, 180, "set_rotation_r records degrees", 1e-3)
at(s, 0, 1, 0, -1, "set_rotation_r(pi) turns the node to 180")
s:change_rotation_r(math.pi / 2)
T:near(s.rotation, 270, "change_rotation_r adds degrees", 1e-3)
at(s, 0, 1, -1, 0, "at 270 up points left")

-- Scale: multiplicative changes, absolute records; an axis scaled to 0 stays collapsed.
s = Sprite()
s.scalex = 2
s.scalex = 3
T:eq(s.scalex, 3, "scalex reads the last value")
at(s, 1, 0, 3, 0, "scalex 2 then 3 scales by 3")
s:set_scale(1, 4)
at(s, 1, 1, 1, 4, "set_scale sets both axes")
s:change_scale(2, 0.5)
T:eq(s.scalex * 10 + s.scaley, 22, "change_scale multiplies the records")
s.scaley = 0
s.scaley = 5
T:eq(s.scaley, 5, "the record takes the value after 0")
at(s, 0, 1, 0, 0, "an axis scaled to 0 stays collapsed")
s:change_scalex(0.5)
T:eq(s.scalex, 1, "change_scalex multiplies")

-- Shear: (x, y) -> (x + sx * y, y + sy * x); additive changes, absolute records.
s = Sprite()
s.shearx = 0.5
s.shearx = 0.5
at(s, 0, 1, 0.5, 1, "shearx assigned twice shears once")
s:set_shear(0, 0.25)
at(s, 4, 0, 4, 1, "set_shear replaces both")
s:change_shear(1, 1)
T:eq(s.shearx + s.sheary, 2.25, "change_shear adds to the records")
s:change_shearx(-1)
s:change_sheary(-1)
T:eq(s.shearx + s.sheary, 0.25, "change_shearx and change_sheary add")

-- The order: translate · rotate · shear · scale.
s = Sprite(10, 20)
s:set_scale(2, 3)
s.shearx = 1
s.rotation = 90
-- (1, 1) scaled (2, 3), sheared (5, 3), turned clockwise (3, -5), moved (13, 15).
at(s, 1, 1, 13, 15, "scale, then shear, then rotate, then translate")
local back = s:get_local_point(13, 15)
T:near(back.x, 1, "get_local_point undoes get_world_point x", 1e-3)
T:near(back.y, 1, "get_local_point undoes get_world_point y", 1e-3)
s.x = -5
T:eq(s.x, -5, "x is the node's position")
at(s, 0, 0, -5, 20, "x moves the node at once")
s:change_position(1, 1)
s:change_position(Point(1, 1))
T:eq(s.x * 100 + s.y, -300 + 22, "change_position in both forms")
s:set_position(Point(7, 8))
T:eq(s.x * 10 + s.y, 78, "set_position with a point")

-- Children move with their layer; the world point is current right after the change.
local layer = Layer(100, 0)
local child = Sprite(0, 10)
T:eq(layer:add_child(child), true, "a sprite joins a layer")
at(child, 0, 0, 100, 10, "a child's world point includes its layer")
layer.rotation = 90
at(child, 0, 0, 110, 0, "turning the layer moves the child in the same frame")
local local_ = child:get_local_point(Point(110, 0))
T:near(local_.x, 0, "get_local_point through the layer", 1e-3)

-- Point results: new points, the input untouched.
local input = Point(1, 2)
T:ok(s:get_world_point(input) ~= input and input.x == 1, "get_world_point returns a new point")

-- nil messages and self names.
T:raises("get_wworld_point: invalid point", "get_world_point(nil)", function() s:get_world_point(nil) end)
T:raises("get_local_point: invalid point", "get_local_point(nil)", function() s:get_local_point(nil) end)
T:raises("set_position: invalid position.", "set_position(nil)", function() s:set_position(nil) end)
T:raises("change_position: invalid position.", "change_position(nil)", function() s:change_position(nil) end)
T:raises("set_color: invalid Color", "set_factor(nil)", function() s:set_factor(nil, 1) end)
T:raises("set_color: invalid Color", "color = nil", function() s.color = nil end)
T:raises("invalid 'self' in function 'set_position_xy'", "set_position(x, y) self",
    function() s.set_position(nil, 1, 2) end)
T:raises("invalid 'self' in function 'set_position'", "set_position(p) self", function() s.set_position(nil, Point()) end)
T:raises("invalid 'self' in function 'GetLocalPoint'", "get_local_point self",
    function() s.get_local_point(nil, Point()) end)

-- Appearance.
s.blending = 2.9
T:eq(s.blending, 2, "blending truncates")
s.blending = -1.5
T:eq(s.blending, -1, "blending truncates toward zero")
s:set_factor(Color(1, 2, 3), 0.25)
T:eq(s.color.blue * 100 + s.alpha * 4, 301, "set_factor sets colour and alpha")
s.color = RED
T:eq(s.color.red * 1000 + s.color.green, 255000, "color copies a Color")
local c = s.color
c.green = 77
T:eq(s.color.green, 77, "the colour object refers into the node")
T:eq(s.color, c, "the same colour object each time")
RED.green = 0 -- the named colour was copied, not shared
T:eq(RED.green, 0, "the named colour is untouched")

-- A colour object outlives its node: it keeps the node alive.
local kept = Sprite().color
collectgarbage("collect")
collectgarbage("collect")
kept.red = 12
T:eq(kept.red, 12, "a node's colour stays usable after the node's wrapper is gone")

-- Sprites and their canvases.
local sprite = Sprite()
T:eq(tolua.type(sprite.canvas), "LuaCanvas", "a sprite is born with a canvas")
T:eq(sprite.canvas, sprite.canvas, "the same canvas object each time")
local own = Canvas()
sprite.canvas = own
T:eq(sprite.canvas, own, "an assigned canvas reads back")
sprite.canvas = nil
T:eq(sprite.canvas, nil, "nil removes the canvas")
local anchored = Sprite()
local weak = setmetatable({ anchored.canvas }, { __mode = "v" })
collectgarbage("collect")
T:ok(weak[1] ~= nil, "a sprite's canvas lives while the sprite does")
T:raises("Sprite: invalid position.", "Sprite(nil)", function() return Sprite(nil) end)
local placed = Sprite(Point(3, 4))
T:eq(placed.x * 10 + placed.y, 34, "Sprite(point)")

-- Layers, their clippers and children.
local l = Layer()
T:eq(tolua.type(l.clipper), "LuaClipper", "a layer is born with a clipper")
T:eq(l.clipper, l.clipper, "the same clipper object each time")
local other = Layer(5, 6)
T:eq(other.x * 10 + other.y, 56, "Layer(x, y) starts at its centre")
T:eq(Layer(Point(-1, 2)).x, -1, "Layer(point) starts at its centre")
T:raises("Layer: invalid center.", "Layer(nil)", function() return Layer(nil) end)
other.clipper = l.clipper
T:eq(other.clipper, l.clipper, "two layers share a clipper")
other.clipper = nil
T:eq(other.clipper, nil, "nil removes the clipper")
T:eq(l:add_child(l), false, "a layer refuses itself")
T:eq(l:add_child(other), true, "a layer takes another")
local inner = Layer()
T:eq(other:add_child(inner), true, "nested layers")
T:eq(inner:add_child(l), false, "a layer refuses one above it")
T:eq(l:remove_child(inner), false, "remove_child refuses a grandchild")
T:eq(other:remove_child(inner), true, "remove_child takes a child out")
T:eq(other:remove_child(inner), false, "and only once")
T:eq(inner:add_child(l), true, "a former ancestor may become a child")
T:raises("add_child(): invalid parameter, SceneNode expected, got nil", "add_child(nil)", function() l:add_child(nil) end)
local mover = Sprite()
local first, second = Layer(), Layer(50, 0)
first:add_child(mover)
second:add_child(mover)
at(mover, 0, 0, 50, 0, "adding to another layer moves the node there")
T:eq(first:remove_child(mover), false, "it left the first layer")
second:remove_children()
T:eq(second:remove_child(mover), false, "remove_children empties the layer")

-- A child whose wrapper is collected stays in its layer until the layer lets it go.
local keeper = Layer()
keeper:add_child(Sprite(1, 2))
collectgarbage("collect")
keeper.rotation = 10 -- the child's world transform follows; its node must still be there
keeper:remove_children()

-- Viewports and their cameras.
local v = Viewport(10.9, 20.2, -3.7, 4)
T:eq(v.camera, nil, "a viewport starts without a camera")
v.camera = camera
T:eq(v.camera, camera, "the camera reads back")
v.camera = nil
T:eq(v.camera, nil, "nil detaches it")
local attached = Viewport(0, 0, 1, 1)
attached.camera = Camera()
collectgarbage("collect")
T:eq(tolua.type(attached.camera), "LuaCamera", "an attached camera stays after its variable is dropped")

-- The display's root list and camera.
T:raises("add_child argument #2 LuaGraphicNode expected, got nil", "display:add_child(nil)",
    function() display:add_child(nil) end)
T:raises("remove_child argument #2 LuaGraphicNode expected, got nil", "display:remove_child(nil)",
    function() display:remove_child(nil) end)
T:eq(display:add_child(sprite), true, "the display takes a sprite")
T:eq(display:add_child(l), true, "and a layer")
T:eq(display:remove_child(Sprite()), false, "remove_child of a node that is not there")
T:eq(display:remove_child(sprite), true, "remove_child")
display:remove_children()
T:eq(display:remove_child(l), false, "remove_children empties the list")
T:eq(display.camera, nil, "no camera at first")
display.camera = camera
T:eq(display.camera, camera, "the camera reads back")
display.camera = nil
T:eq(display.camera, nil, "nil unsets the camera")

T:finish()
