-- Font and Image through the script API: construction, the self errors naming the C++ members, the
-- fixed messages and the order their checks run in, the IMG_FORMAT_ constants, and set_font with
-- a font that loaded. What loads do with the pixels and faces is checked from C++.
-- Runs as a main script too: vorn <path>/tests/drawing/fontimage.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("fontimage")
local DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

-- A 2x2 24-bit BMP: red, green / blue, white (rows stored bottom first, padded to 4 bytes).
local function le(n, bytes)
    local s = ""
    for _ = 1, bytes do
        s = s .. string.char(n % 256)
        n = math.floor(n / 256)
    end
    return s
end
local bmp = "BM" .. le(70, 4) .. le(0, 4) .. le(54, 4) .. le(40, 4) .. le(2, 4) .. le(2, 4) .. le(1, 2)
    .. le(24, 2) .. le(0, 4) .. le(16, 4) .. le(0, 16)
    .. "\255\0\0" .. "\255\255\255" .. "\0\0" .. "\0\0\255" .. "\0\255\0" .. "\0\0"
local file = assert(io.open("quad.bmp", "wb"))
file:write(bmp)
file:close()

-- Construction and ownership.
for name, class in pairs({ Font = Font, Image = Image }) do
    T:eq(check.owned(class()), true, name .. "() is owned by Lua")
    local made = class:new()
    T:eq(check.owned(made), false, name .. ":new() is not owned by Lua")
    tolua.takeownership(made)
    T:eq(tolua.type(class()), "Lua" .. name, name .. "'s registered type")
end
T:eq(IMG_FORMAT_UNKNOWN, 0, "IMG_FORMAT_UNKNOWN")
T:eq(IMG_FORMAT_L8A8, 1, "IMG_FORMAT_L8A8")
T:eq(IMG_FORMAT_A8R8G8B8, 4, "IMG_FORMAT_A8R8G8B8")

-- Font: the constructor loads without checking the name; the methods check it.
T:eq(Font(DEJAVU, 20):get_size(), 20, "Font(file, size) loads at once")
T:eq(Font("", 20):get_size(), 0, "Font('', size) raises nothing and has no face")
T:eq(Font(nil, 20):get_height(), 0, "Font(nil, size) raises nothing and has no face")
T:raises_argument("new", 2, "string", "[no object]", "Font(file): the last form tried reports", function() return Font(DEJAVU) end)
local f = Font()
T:eq(f:get_size(), 0, "no face: size 0")
T:eq(f:get_height(), 0, "no face: height 0")
T:eq(f:unload(), false, "nothing to unload")
for _, name in ipairs({ "", nil }) do
    T:raises("load_font: invalid fontname.", "load_file(" .. tostring(name) .. ")", function() f:load_file(name, 12) end)
    T:raises("load_system: invalid fontname.", "load_system(" .. tostring(name) .. ")",
        function() f:load_system(name, 12) end)
end
T:raises_argument("load_file", 3, "string", "number", "load_file(file, 'x')", function() f:load_file(DEJAVU, "x") end)
T:raises_argument("load_system", 3, "[no object]", "number", "load_system(name)",
    function() f:load_system("DejaVu Sans") end)
T:eq(f:load_file("missing.ttf", 12), false, "a missing file")
T:eq(f:load_system("No Such Family At All", 12), false, "a family that is not installed")
T:eq(f:load_system("DejaVu Sans", "24"), true, "an installed family (numeric string size)")
T:eq(f:get_size(), 24, "the size loaded")
T:ok(f:get_height() > 24, "a line is taller than the em")
T:ok(f:get_width("WWW") > f:get_width("iii"), "WWW is wider than iii")
T:eq(f:get_width(nil), 0, "nil text measures 0")
T:eq(f:load_file(DEJAVU, 16), true, "a font file")
T:eq(f:unload(), true, "unload drops the face")
local fontSelf = { { "load_file", "LoadFile", { DEJAVU, 1 } }, { "load_system", "LoadSystem", { "x", 1 } },
    { "unload", "Unload", {} }, { "get_width", "GetWidth", { "x" } }, { "get_height", "GetHeight", {} },
    { "get_size", "GetSize", {} } }
for _, entry in ipairs(fontSelf) do
    T:raises("invalid 'self' in function '" .. entry[2] .. "'", "Font." .. entry[1] .. " with nil self",
        function() return Font[entry[1]](nil, unpack(entry[3])) end)
end
T:raises_argument("get_size", 1, "LuaImage", "const LuaFont", "get_size on an image", function() return Font.get_size(Image()) end)

-- set_font: a loaded font passes every form; with a nil colour the colour is refused whatever
-- the font; an unloaded font is refused with each form's own text.
local c = Canvas()
local loaded = Font(DEJAVU, 12)
T:eq(select("#", c:set_font(loaded)), 0, "set_font(font)")
c:set_font(loaded, RED)
c:set_font(loaded, RED, 0.5)
T:raises("set_font: Invalid color.", "set_font(loaded, nil)", function() c:set_font(loaded, nil) end)
T:raises("set_font: Invalid color.", "set_font(loaded, nil, 1)", function() c:set_font(loaded, nil, 1) end)
T:raises("set_font: Invalid color.", "set_font(unloaded, nil)", function() c:set_font(Font(), nil) end)
T:raises("set_font: failed.", "set_font(unloaded, colour)", function() c:set_font(Font(), RED) end)
T:raises("set_font failed.", "set_font(unloaded, colour, alpha)", function() c:set_font(Font(), RED, 1) end)
T:raises("set_font: Invalid font.", "set_font(unloaded)", function() c:set_font(Font()) end)
c:write("written")

-- Image constructors: (filename, key), (filename), (); the name is checked before the key.
for _, name in ipairs({ "", nil }) do
    local label = "(" .. tostring(name)
    T:raises("load_image: filename expected, got nil.", "Image" .. label .. ")", function() return Image(name) end)
    T:raises("load_image: filename expected, got nil.", "Image" .. label .. ", key)", function() return Image(name, RED) end)
    T:raises("load_image: filename expected, got nil.", "Image" .. label .. ", nil)", function() return Image(name, nil) end)
end
T:raises("load image: invalid color key", "Image(file, nil)", function() return Image("quad.bmp", nil) end)
T:eq(Image("missing.png").width, 0, "a file that does not load leaves the image empty")
T:raises_argument("new", 2, "string", "[no object]", "Image(file, 1): the last form tried reports",
    function() return Image("quad.bmp", 1) end)

-- load: (filename, key) checks name then key; (filename) checks nothing.
local img = Image()
T:eq(img.width, 0, "never loaded: width 0")
T:eq(img.height, 0, "never loaded: height 0")
T:eq(img:unload(), false, "nothing to unload")
T:raises("load_image: filename expected, got nil.", "load('', key)", function() img:load("", RED) end)
T:raises("load_image: filename expected, got nil.", "load(nil, nil)", function() img:load(nil, nil) end)
T:raises("load image: invalid color key", "load(file, nil)", function() img:load("quad.bmp", nil) end)
T:eq(img:load(nil), false, "load(nil) fails without an error")
T:eq(img:load(""), false, "load('') fails without an error")
T:eq(img:load("quad.bmp"), true, "load(file)")
T:eq(img.width, 2, "the texture's width")
T:eq(img.height, 2, "the texture's height")
T:eq(img:load("quad.bmp", BLUE), true, "load(file, key)")
T:eq(img:load("missing.bmp"), false, "a missing file")
T:eq(img.width, 2, "a failed load keeps the image")
img.width = 7
T:eq(rawget(Image, ".get").width(img), 2, "assigning to width stores a script field, not the size")

-- load_memory: the format is looked at first, then the data.
local proxy = newproxy(true)
T:raises("Invalid parameter #1 to load: image format unknown.", "format 0, nil data",
    function() img:load_memory(IMG_FORMAT_UNKNOWN, 1, 1, nil) end)
T:raises("Invalid parameter #1 to load: image format unknown.", "format 0.5", function() img:load_memory(0.5, 1, 1, proxy) end)
T:raises("Invalid argument #4 to load: data expected, got nil.", "nil data",
    function() img:load_memory(IMG_FORMAT_L8A8, 1, 1, nil) end)
T:eq(img:load_memory(7, 1, 1, proxy), false, "format 7 reaches the engine, which refuses it")
T:eq(img:load_memory(IMG_FORMAT_L8A8, 1, 1, proxy), false, "an empty block is too small")
T:raises_argument("load_memory", 5, "string", "userdata", "string data", function() img:load_memory(1, 1, 1, "ab") end)
T:raises_argument("load_memory", 5, "[no object]", "userdata", "three arguments", function() img:load_memory(1, 1, 1) end)
T:eq(img:unload(), true, "unload")
T:eq(rawget(Image, ".get").width(img), 0, "unloaded: width 0")
for _, entry in ipairs({ { "load", { "quad.bmp" } }, { "load_memory", { 1, 1, 1, proxy } } }) do
    T:raises("invalid 'self' in function 'Load'", "Image." .. entry[1] .. " with nil self",
        function() return Image[entry[1]](nil, unpack(entry[2])) end)
end
T:raises("invalid 'self' in function 'Unload'", "Image.unload with nil self", function() return Image.unload(nil) end)
for _, property in ipairs({ "width", "height" }) do
    T:raises("invalid 'self' in accessing variable '" .. property .. "'", property .. " of nil",
        function() return rawget(Image, ".get")[property](nil) end)
    T:raises("invalid 'self' in accessing variable '" .. property .. "'", property .. " of a font",
        function() return rawget(Image, ".get")[property](Font()) end)
end

-- The canvas paints the image at its offset and writes with the font.
c:set_source_image(Image("quad.bmp"), 0, 0)
c:paint()
os.remove("quad.bmp")
T:finish()
