-- Canvas, LinearGradient and Clipper through the script API: construction, a few self errors
-- naming the C++ members, the nil messages, and the order in which overloads are tried (seen in
-- which form a nil or a mismatch reaches). What the calls do to the engine objects is checked
-- from C++ (CanvasBindingTest). Runs as a main script too: vorn <path>/tests/drawing/canvas.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("canvas")

for name, class in pairs({ Canvas = Canvas, LinearGradient = LinearGradient, Clipper = Clipper }) do
    T:eq(check.owned(class()), true, name .. "() is owned by Lua")
    T:eq(tolua.type(class()), "Lua" .. name, name .. "'s registered type")
    T:raises_argument("new", 2, "number", "[no object]", name .. "(1)", function() return class(1) end)
end
-- Self errors name the C++ member, which differs from the Lua name in more than case.
T:raises("invalid 'self' in function 'SetFillStyle'", "set_fill_style self",
    function() return Canvas.set_fill_style(nil, LinearGradient(), 1) end)
T:raises("invalid 'self' in function 'ClosePath'", "Clipper close_path self", function() return Clipper.close_path(nil) end)
T:raises("invalid 'self' in function 'Begin'", "stop_point1 self", function() return LinearGradient.stop_point1(nil, 1, 2, RED) end)
T:raises_argument("move_to", 1, "LuaClipper", "LuaCanvas", "a clipper is no canvas",
    function() return Canvas.move_to(Clipper(), Point()) end)

for name, class in pairs({ Canvas = Canvas, Clipper = Clipper }) do
    local o = class()
    local function raises(text, label, fn)
        T:raises(text, name .. ": " .. label, fn)
    end
    -- (x, y) before (p): a nil reaches the point form; (p) before (dx, dy): a mismatch is reported
    -- by the number form.
    raises("move_to: invalid position.", "move_to(nil)", function() o:move_to(nil) end)
    raises("line_to: invalid position.", "line_to(nil)", function() o:line_to(nil) end)
    raises("rel_move_to: invalid position.", "rel_move_to(nil)", function() o:rel_move_to(nil) end)
    raises("rel_line_to: invalid position.", "rel_line_to(nil)", function() o:rel_line_to(nil) end)
    T:raises_argument("move_to", 2, "number", "const LuaPoint", name .. ": move_to(1, 2, 3)", function() o:move_to(1, 2, 3) end)
    T:raises_argument("rel_line_to", 3, "[no object]", "number", name .. ": rel_line_to(1)", function() o:rel_line_to(1) end)
    -- The end point is looked at first, then the handles in order.
    local p = Point()
    raises("curve_to: invalild position.", "curve_to(nil, nil)", function() o:curve_to(nil, nil) end)
    raises("curve_to: invalid handle.", "curve_to(p, nil)", function() o:curve_to(p, nil) end)
    raises("curve_to: invalild position.", "curve_to(nil, nil, nil)", function() o:curve_to(nil, nil, nil) end)
    raises("curve_to: invalid first handle.", "curve_to(p, nil, nil)", function() o:curve_to(p, nil, nil) end)
    raises("curve_to: invalid second handle.", "curve_to(p, p, nil)", function() o:curve_to(p, p, nil) end)
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
T:raises_argument("set_fill_style", 2, "number", "const Color", "set_fill_style(1)", function() c:set_fill_style(1) end)
-- set_line_style: (width, colour, alpha), (width, colour), (width).
T:raises("set_line_style: invalid Color.", "set_line_style(1, nil)", function() c:set_line_style(1, nil) end)
T:raises("set_line_style: invalid Color.", "set_line_style(1, nil, 1)", function() c:set_line_style(1, nil, 1) end)
T:raises_argument("set_line_style", 3, "string", "[no object]", "set_line_style(1, 'x')",
    function() c:set_line_style(1, "x") end)
-- Images and fonts: nil in every form.
for _, args in ipairs({ {}, { 1, 2 }, { Point() } }) do
    T:raises("set_source_image: Image expected, got nil", "set_source_image(nil, " .. #args .. " more)",
        function() c:set_source_image(nil, unpack(args)) end)
end
for _, args in ipairs({ {}, { RED }, { RED, 1 } }) do
    T:raises("set_font: Invalid font.", "set_font(nil, " .. #args .. " more)", function() c:set_font(nil, unpack(args)) end)
end
T:raises("write: text expected, got nil.", "write(nil)", function() c:write(nil) end)
c:write("no font: nothing is written")
for _, op in ipairs({ "stroke_preserve", "clip_preserve", "fill_gradient_preserve", "fill_gradient", "paint", "clear" }) do
    T:eq(select("#", c[op](c)), 0, op)
end

-- LinearGradient: (x, y, colour, alpha) before (p, colour, alpha); the point is looked at first.
local g = LinearGradient()
for _, stop in ipairs({ "stop_point1", "stop_point2" }) do
    T:raises(stop .. ": Color expected, got nil", stop .. "(1, 2, nil)", function() g[stop](g, 1, 2, nil) end)
    T:raises(stop .. ": Color expected, got nil", stop .. "(p, nil)", function() g[stop](g, Point(), nil) end)
    T:raises(stop .. ": Point expected, got nil", stop .. "(nil, nil)", function() g[stop](g, nil, nil) end)
    T:raises_argument(stop, 2, "number", "const LuaPoint", stop .. "(1, colour)", function() g[stop](g, 1, RED) end)
    g[stop](g, "1", "2", RED, 0.5)
    g[stop](g, Point(), RED)
end

T:finish()
