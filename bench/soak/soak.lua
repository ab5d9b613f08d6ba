-- soak: a game that makes and drops thousands of sprites, layers, canvases, images and sounds a
-- second for VORN_SOAK_SECONDS (default 60), drawing every frame. Prints once a second the frame
-- rate, objects made, Lua's heap and the process's resident memory, then the high-water mark and
-- whether memory stayed flat (resident memory at the end within 10% + 8 MiB of the level after
-- the first quarter of the run; the first seconds fill caches and pools).
--   run: bench/soak/soak.sh [seconds]   (or as the main script of any build's vorn)
local seconds = tonumber(os.getenv("VORN_SOAK_SECONDS") or "") or 60
local perFrame = tonumber(os.getenv("VORN_SOAK_PER_FRAME") or "") or 60

local function status(key)
    local file = io.open("/proc/self/status")
    if not file then
        return 0
    end
    local text = file:read("*a")
    file:close()
    return tonumber(text:match(key .. ":%s*(%d+)")) or 0
end

-- A picture and a sound to load again and again.
local function le(value, size)
    local bytes = {}
    for i = 1, size do
        bytes[i] = string.char(value % 256)
        value = math.floor(value / 256)
    end
    return table.concat(bytes)
end
local function write(name, bytes)
    local file = assert(io.open(name, "wb"))
    file:write(bytes)
    file:close()
end
write("soak.bmp", "BM" .. le(54 + 16 * 16 * 3, 4) .. le(0, 4) .. le(54, 4) .. le(40, 4) .. le(16, 4) .. le(16, 4)
    .. le(1, 2) .. le(24, 2) .. le(0, 4) .. le(16 * 16 * 3, 4) .. le(2835, 4) .. le(2835, 4) .. le(0, 4) .. le(0, 4)
    .. string.rep("\40\160\220", 256))
local pcm = string.rep("\0\16\0\240", 400)
write("soak.wav", "RIFF" .. le(36 + #pcm, 4) .. "WAVEfmt " .. le(16, 4) .. le(1, 2) .. le(1, 2) .. le(8000, 4)
    .. le(16000, 4) .. le(2, 2) .. le(16, 2) .. "data" .. le(#pcm, 4) .. pcm)

display:create("soak", 320, 240, 32, true)
local root = Layer()
display:add_child(root)

local made, frames, second, high = 0, 0, 0, 0
local settled
local started = os.time()
local live = {} -- the objects of the last few frames: each is dropped three frames after it is made

local function churn(frame)
    local batch = {}
    for i = 1, perFrame do
        local kind = i % 5
        if kind == 0 then
            local sprite = Sprite(math.random(-160, 160), math.random(-120, 120))
            sprite.canvas:circle(math.random(2, 12))
            sprite.canvas:fill()
            root:add_child(sprite)
            batch[#batch + 1] = sprite
        elseif kind == 1 then
            local layer = Layer()
            layer:add_child(Sprite())
            root:add_child(layer)
            batch[#batch + 1] = layer
        elseif kind == 2 then
            local canvas = Canvas()
            canvas:rectangle(10, 10)
            canvas:stroke()
            batch[#batch + 1] = canvas
        elseif kind == 3 then
            local image = Image("soak.bmp")
            local sprite = Sprite()
            sprite.canvas:set_source_image(image)
            sprite.canvas:paint()
            root:add_child(sprite)
            batch[#batch + 1] = sprite
        else
            local sound = Sound("soak.wav")
            sound.volume = 0.01
            sound:play()
            batch[#batch + 1] = sound
        end
        made = made + 1
    end
    live[frame] = batch
    local old = live[frame - 3]
    if old then
        for _, object in ipairs(old) do
            if tolua.type(object) ~= "LuaSound" and tolua.type(object) ~= "LuaCanvas" then
                root:remove_child(object)
            end
        end
        live[frame - 3] = nil
    end
end

soak_timer = Timer()
soak_timer.on_tick = function()
    frames = frames + 1
    churn(frames)
    local now = os.difftime(os.time(), started)
    if now > second then
        second = now
        local rss = status("VmRSS")
        high = math.max(high, status("VmHWM"))
        print(string.format("soak: %3d s  %4d frames/s  %6d objects made  Lua %6.0f KiB  resident %6d KiB", second,
            frames, made, collectgarbage("count"), rss))
        io.stdout:flush()
        frames, made = 0, 0
        if not settled and second >= math.max(1, seconds / 4) then
            settled = rss
        end
        if second >= seconds then
            print(string.format("soak: resident high-water %d KiB; after the first quarter %d KiB, at the end %d KiB: %s",
                high, settled or rss, rss, rss <= (settled or rss) * 1.1 + 8192 and "flat" or "GROWING"))
            io.stdout:flush()
            live = {}
            root:remove_children()
            display:destroy()
        end
    end
end
soak_timer:start(1, true)
