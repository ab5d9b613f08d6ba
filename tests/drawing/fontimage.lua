-- Font and Image through the script API: the self errors naming the C++ members, the fixed
-- messages and the order their checks run in, load results, width and height from the video
-- device, and set_font with a font that loaded. What loads do to pixels and faces is checked
-- from C++. Runs as a main script too: vorn <path>/tests/drawing/fontimage.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("fontimage")
local DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

-- A 2x2 24-bit BMP, blue and white in both rows (each padded to 4 bytes).
local function le(n, bytes)
    local s = ""
    for _ = 1, bytes do
        s, n = s .. string.char(n % 256), math.floor(n / 256)
    end
    return s
end
local file = assert(io.open("quad.bmp", "wb"))
file:write("BM" .. le(70, 4) .. le(0, 4) .. le(54, 4) .. le(40, 4) .. le(2, 4) .. le(2, 4) .. le(1, 2) .. le(24, 2)
    .. le(0, 24) .. string.rep("\255\0\0\255\255\255\0\0", 2))
file:close()

-- Font: the constructor loads without checking the name; the methods check it.
T:eq(Font(DEJAVU, 20):get_size(), 20, "Font(file, size) loads at once")
T:eq(Font("", 20):get_size(), 0, "Font('', size) raises nothing and has no face")
T:eq(Font(nil, 20):get_height(), 0, "Font(nil, size) raises nothing and has no face")
local f = Font()
T:eq(f:unload(), false, "nothing to unload")
for _, name in ipairs({ "", false }) do
    name = name or nil
    T:raises("load_font: invalid fontname.", "load_file(" .. tostring(name) .. ")", function() f:load_file(name, 12) end)
    T:raises("load_system: invalid fontname.", "load_system(" .. tostring(name) .. ")",
        function() f:load_system(name, 12) end)
end
T:eq(f:load_file("missing.ttf", 12), false, "a missing file")
T:eq(f:load_system("No Such Family At All", 12), false, "a family that is not installed")
T:eq(f:load_system("DejaVu Sans", "24"), true, "an installed family (numeric string size)")
T:eq(f:get_size(), 24, "the size loaded")
T:ok(f:get_width("WWW") > f:get_width("iii"), "WWW is wider than iii")
T:eq(f:unload(), true, "unload drops the face")
T:raises("invalid 'self' in function 'LoadSystem'", "Font.load_system with nil self",
    function() return Font.load_system(nil, "x", 1) end)

-- set_font: a loaded font passes every form; a nil colour is refused whatever the font; an
-- unloaded font is refused with each form's own text.
local c = Canvas()
local loaded = Font(DEJAVU, 12)
c:set_font(loaded)
c:set_font(loaded, RED)
c:set_font(loaded, RED, 0.5)
T:raises("set_font: Invalid color.", "set_font(loaded, nil)", function() c:set_font(loaded, nil) end)
T:raises("set_font: Invalid color.", "set_font(unloaded, nil, 1)", function() c:set_font(Font(), nil, 1) end)
T:raises("set_font: failed.", "set_font(unloaded, colour)", function() c:set_font(Font(), RED) end)
T:raises("set_font failed.", "set_font(unloaded, colour, alpha)", function() c:set_font(Font(), RED, 1) end)
T:raises("set_font: Invalid font.", "set_font(unloaded)", function() c:set_font(Font()) end)

-- Image constructors: (filename, key), (filename), (); the name is checked before the key.
for _, name in ipairs({ "", false }) do
    name = name or nil
    T:raises("load_image: filename expected, got nil.", "Image(" .. tostring(name) .. ")", function() return Image(name) end)
    T:raises("load_image: filename expected, got nil.", "Image(" .. tostring(name) .. ", nil)",
        function() return Image(name, nil) end)
end
T:raises("load image: invalid color key", "Image(file, nil)", function() return Image("quad.bmp", nil) end)
T:eq(Image("missing.png").width, 0, "a file that does not load leaves the image empty")

-- load: (filename, key) checks name then key; (filename) checks nothing.
local img = Image()
T:eq(img.height, 0, "never loaded: height 0")
T:raises("load_image: filename expected, got nil.", "load(nil, nil)", function() img:load(nil, nil) end)
T:raises("load image: invalid color key", "load(file, nil)", function() img:load("quad.bmp", nil) end)
T:eq(img:load(""), false, "load('') fails without an error")
T:eq(img:load("quad.bmp", BLUE), true, "load(file, key)")
T:eq(img.width, 2, "the texture's width")
T:eq(img.height, 2, "the texture's height")
T:eq(img:load("missing.bmp"), false, "a missing file")
T:eq(img.width, 2, "a failed load keeps the image")

-- load_memory: the format is looked at first, then the data.
local proxy = newproxy(true)
T:raises("Invalid parameter #1 to load: image format unknown.", "format 0, nil data",
    function() img:load_memory(IMG_FORMAT_UNKNOWN, 1, 1, nil) end)
T:raises("Invalid argument #4 to load: data expected, got nil.", "nil data",
    function() img:load_memory(IMG_FORMAT_L8A8, 1, 1, nil) end)
T:eq(img:load_memory(7, 1, 1, proxy), false, "format 7 reaches the engine, which refuses it")
T:eq(img:load_memory(IMG_FORMAT_A8R8G8B8, 1, 1, proxy), false, "an empty block is too small")
T:eq(img:unload(), true, "unload")
T:eq(img.width, 0, "unloaded: width 0")
T:raises("invalid 'self' in function 'Load'", "Image.load_memory with nil self",
    function() return Image.load_memory(nil, 1, 1, 1, proxy) end)
T:raises("invalid 'self' in accessing variable 'width'", "width of a font",
    function() return rawget(Image, ".get").width(Font()) end)
os.remove("quad.bmp")
T:finish()
