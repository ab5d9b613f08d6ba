-- Canvas, LinearGradient and Clipper through the script API: construction, the self errors naming
-- the C++ members, the nil messages, and the order in which overloads are tried (seen in which
-- form a nil or a mismatch reaches). What the calls do to the engine objects is checked from C++
-- (CanvasBindingTest). Runs as a main script too: vorn <path>/tests/drawing/canvas.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("canvas")

-- Construction: no arguments, three forms, who owns the result.
for name, class in pairs({ Canvas = Canvas, LinearGradient = LinearGradient, Clipper = Clipper }) do
    T:eq(check.owned(class()), true, name .. "() is owned by Lua")
    T:eq(check.owned(class:new_local()), true, name .. ":new_local() is owned by Lua")
    local made = class:new()
    T:eq(check.owned(made), false, name .. ":new() is not owned by Lua")
    tolua.takeownership(made)
    T:eq(tolua.type(class()), "Lua" .. name, name .. "'s registered type")
    T:raises_argument("new", 2, "number", "[no object]", name .. "(1)", function() return class(1) end)
    T:raises_argument("new", 2, "nil", "[no object]", name .. ":new(nil)", function() return class:new(nil) end)
end

-- The path members, shared by Canvas and Clipper.
local pathSelf = {
    { "move_to", "MoveTo", { 1, 2 } }, { "rel_move_to", "RelMoveTo", { Point() } },
    { "line_to", "LineTo", { 1, 2 } }, { "rel_line_to", "RelLineTo", { Point() } },
    { "close_path", "ClosePath", {} }, { "curve_to", "CurveTo", { 1, 2, 3, 4, 5, 6 } },
    { "circle", "Circle", { 1 } }, { "ellipse", "Ellipse", { 1, 2 } }, { "square", "Square", { 1 } },
    { "rectangle", "Rectangle", { 1, 2 } }, { "arc", "Arc", { 1, 2, 3, 4 } },
    { "fill", "Fill", {} }, { "fill_preserve", "FillPreserve", {} }, { "clear", "Clear", {} },
}
local canvasSelf = {
    { "set_fill_style", "SetFillStyle", { LinearGradient(), 1 } },
    { "set_line_style", "SetLineStyle", { 1, Color(), 1 } },
    { "set_source_image", "SetSourceImage", { nil, 1, 2 } }, { "set_font", "SetFont", { nil, Color(), 1 } },
    { "stroke", "Stroke", {} }, { "stroke_preserve", "StrokePreserve", {} }, { "clip", "Clip", {} },
    { "clip_preserve", "ClipPreserve", {} }, { "fill_gradient", "FillGradient", {} },
    { "fill_gradient_preserve", "FillGradientPreserve", {} }, { "paint", "Paint", {} },
    { "write", "Write", { "text" } },
}
local function selfErrors(class, name, list)
    for _, entry in ipairs(list) do
        local luaName, member, args = entry[1], entry[2], entry[3]
        T:raises("invalid 'self' in function '" .. member .. "'", name .. "." .. luaName .. " with nil self",
            function() return class[luaName](nil, unpack(args, 1, table.maxn(args))) end)
    end
end
selfErrors(Canvas, "Canvas", pathSelf)
selfErrors(Canvas, "Canvas", canvasSelf)
selfErrors(Clipper, "Clipper", pathSelf)
selfErrors(LinearGradient, "LinearGradient", { { "stop_point1", "Begin", { 1, 2, Color() } },
    { "stop_point2", "End", { 1, 2, Color() } } })
T:raises_argument("move_to", 1, "LuaClipper", "LuaCanvas", "a clipper is no canvas",
    function() return Canvas.move_to(Clipper(), Point()) end)

for name, class in pairs({ Canvas = Canvas, Clipper = Clipper }) do
    local o = class()
    local function raises(text, label, fn, ...)
        T:raises(text, name .. ": " .. label, fn, ...)
    end
    local function argument(lua, index, provided, expected, label, fn, ...)
        T:raises_argument(lua, index, provided, expected, name .. ": " .. label, fn, ...)
    end
    -- (x, y) before (p): a nil reaches the point form; a mismatch is reported by it.
    for _, lua in ipairs({ "move_to", "line_to" }) do
        raises(lua .. ": invalid position.", lua .. "(nil)", function() o[lua](o, nil) end)
        argument(lua, 2, "[no object]", "const LuaPoint", lua .. "()", function() o[lua](o) end)
        argument(lua, 2, "number", "const LuaPoint", lua .. "(1, 2, 3)", function() o[lua](o, 1, 2, 3) end)
    end
    -- (p) before (dx, dy): a mismatch is reported by the number form.
    for _, lua in ipairs({ "rel_move_to", "rel_line_to" }) do
        raises(lua .. ": invalid position.", lua .. "(nil)", function() o[lua](o, nil) end)
        argument(lua, 3, "[no object]", "number", lua .. "(1)", function() o[lua](o, 1) end)
        argument(lua, 2, "table", "number", lua .. "({})", function() o[lua](o, {}, 1) end)
    end
    -- The end point is looked at first, then the handles in order.
    local p = Point()
    raises("curve_to: invalild position.", "curve_to(nil, nil)", function() o:curve_to(nil, nil) end)
    raises("curve_to: invalid handle.", "curve_to(p, nil)", function() o:curve_to(p, nil) end)
    raises("curve_to: invalild position.", "curve_to(nil, nil, nil)", function() o:curve_to(nil, nil, nil) end)
    raises("curve_to: invalid first handle.", "curve_to(p, nil, p)", function() o:curve_to(p, nil, p) end)
    raises("curve_to: invalid first handle.", "curve_to(p, nil, nil)", function() o:curve_to(p, nil, nil) end)
    raises("curve_to: invalid second handle.", "curve_to(p, p, nil)", function() o:curve_to(p, p, nil) end)
    argument("curve_to", 2, "number", "const LuaPoint", "curve_to(1, 2, 3)", function() o:curve_to(1, 2, 3) end)
    argument("curve_to", 4, "LuaPoint", "[no object]", "curve_to(p, p, p, nil)", function() o:curve_to(p, p, p, nil) end)
    argument("circle", 3, "number", "[no object]", "circle(1, 2)", function() o:circle(1, 2) end)
    argument("arc", 5, "[no object]", "number", "arc(1, 2, 3)", function() o:arc(1, 2, 3) end)
    argument("fill", 2, "number", "[no object]", "fill(1)", function() o:fill(1) end)
    -- Every form is accepted (numeric strings converted) and returns nothing.
    for _, call in ipairs({ { "move_to", "5", "5" }, { "move_to", p }, { "rel_move_to", 1, 1 }, { "rel_move_to", p },
        { "line_to", 1, 2 }, { "line_to", p }, { "rel_line_to", 1, 1 }, { "rel_line_to", p },
        { "curve_to", 1, 2, 3, 4, 5, 6 }, { "curve_to", p, p, p }, { "curve_to", 1, 2, 3, 4 }, { "curve_to", p, p },
        { "close_path" }, { "circle", 4 }, { "ellipse", 4, 2 }, { "square", 3 }, { "rectangle", 3, 2 },
        { "arc", 10, 10, 0, 90 }, { "fill_preserve" }, { "fill" }, { "clear" } }) do
        T:eq(select("#", o[call[1]](o, unpack(call, 2))), 0, name .. ": " .. call[1] .. " form " .. #call - 1)
    end
end

local c = Canvas()
-- set_fill_style: (gradient, alpha) first, so any nil is taken for a gradient.
T:raises("set_fill_style: Gradient expected, got nil", "set_fill_style(nil)", function() c:set_fill_style(nil) end)
T:raises("set_fill_style: Gradient expected, got nil", "set_fill_style(nil, 0.5)",
    function() c:set_fill_style(nil, 0.5) end)
T:raises_argument("set_fill_style", 3, "string", "[no object]", "set_fill_style(colour, 'x')",
    function() c:set_fill_style(Color(), "x") end)
T:raises_argument("set_fill_style", 2, "number", "const Color", "set_fill_style(1)", function() c:set_fill_style(1) end)
c:set_fill_style(LinearGradient())
c:set_fill_style(LinearGradient(), 0.5)
c:set_fill_style(Color(), 0.5)
c:set_fill_style(RED)
-- set_line_style: (width, colour, alpha), (width, colour), (width).
T:raises("set_line_style: invalid Color.", "set_line_style(1, nil)", function() c:set_line_style(1, nil) end)
T:raises("set_line_style: invalid Color.", "set_line_style(1, nil, 1)", function() c:set_line_style(1, nil, 1) end)
T:raises_argument("set_line_style", 2, "[no object]", "number", "set_line_style()", function() c:set_line_style() end)
T:raises_argument("set_line_style", 3, "string", "[no object]", "set_line_style(1, 'x')",
    function() c:set_line_style(1, "x") end)
c:set_line_style(2)
c:set_line_style(2, BLUE)
c:set_line_style(2, BLUE, 0.5)
-- Images and fonts: nil in every form.
for _, args in ipairs({ {}, { 1, 2 }, { Point() } }) do
    T:raises("set_source_image: Image expected, got nil", "set_source_image(nil, " .. #args .. " more)",
        function() c:set_source_image(nil, unpack(args)) end)
end
T:raises_argument("set_source_image", 2, "[no object]", "LuaImage", "set_source_image()", function() c:set_source_image() end)
for _, args in ipairs({ {}, { RED }, { RED, 1 } }) do
    T:raises("set_font: Invalid font.", "set_font(nil, " .. #args .. " more)", function() c:set_font(nil, unpack(args)) end)
end
T:raises_argument("set_font", 2, "Color", "LuaFont", "set_font(colour)", function() c:set_font(RED) end)
T:raises("write: text expected, got nil.", "write(nil)", function() c:write(nil) end)
T:raises_argument("write", 2, "table", "string", "write({})", function() c:write({}) end)
c:write("no font: nothing is written")
c:move_to(0, 0)
c:circle(10)
c:stroke_preserve()
c:clip_preserve()
c:fill_gradient_preserve()
c:fill_gradient()
c:paint()
c:clear()

-- LinearGradient: (x, y, colour, alpha) before (p, colour, alpha); the point is looked at first.
local g = LinearGradient()
for _, stop in ipairs({ "stop_point1", "stop_point2" }) do
    T:raises(stop .. ": Color expected, got nil", stop .. "(1, 2, nil)", function() g[stop](g, 1, 2, nil) end)
    T:raises(stop .. ": Color expected, got nil", stop .. "(p, nil)", function() g[stop](g, Point(), nil) end)
    T:raises(stop .. ": Point expected, got nil", stop .. "(nil, colour)", function() g[stop](g, nil, RED) end)
    T:raises(stop .. ": Point expected, got nil", stop .. "(nil, nil)", function() g[stop](g, nil, nil) end)
    T:raises_argument(stop, 2, "number", "const LuaPoint", stop .. "(1, colour)", function() g[stop](g, 1, RED) end)
    T:raises_argument(stop, 4, "string", "number", stop .. "(p, colour, 'x')", function() g[stop](g, Point(), RED, "x") end)
    g[stop](g, 1, 2, RED)
    g[stop](g, "1", "2", RED, 0.5)
    g[stop](g, Point(), RED)
    g[stop](g, Point(), RED, 0.5)
end

T:finish()
