-- api_fuzz: calls the whole script API with random arguments while the game runs, to show that no
-- script can crash the runtime: every call must end in a result or a Lua error.
-- The API is read from the live binding tables (every global class table, its bases, its ".get"
-- and ".set" accessors, the global functions and variables, the modules), so a new class or
-- member is fuzzed without a change here. Calls get nil, missing and extra arguments, odd numbers,
-- numeric and other strings, tables, functions, objects of every class (also ones whose owner is
-- gone), foreign userdata; accessors are also called with objects of other classes; callbacks
-- raise errors, collect garbage, destroy their owner or call the API again; the collector runs at
-- random moments.
--
-- Runs as the main script: VORN_FUZZ_SEED (default: the time) and VORN_FUZZ_SECONDS (default 10)
-- steer it, VORN_FUZZ_TRACE prints every call before it is made; it prints "api fuzz: seed N"
-- first and "api fuzz: done ..." with its figures last. With VORN_MESSAGEBOX=ok the errors raised
-- inside callbacks are logged and the run goes on.

local seed = tonumber(os.getenv("VORN_FUZZ_SEED") or "") or os.time()
local seconds = tonumber(os.getenv("VORN_FUZZ_SECONDS") or "") or 10
local trace = os.getenv("VORN_FUZZ_TRACE") ~= nil
math.randomseed(seed)
print("api fuzz: seed " .. seed .. ", " .. seconds .. " s")
io.stdout:flush()

local random = math.random
local function pick(list) return list[random(#list)] end

-- Small files the loaders can read: a 2x2 BMP, a short WAV and a damaged one.
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
check.bmp("fuzz.bmp", 2, 2, string.rep("\255\0\0", 2) .. "\0\0" .. string.rep("\0\255\0", 2) .. "\0\0")
local samples = {}
for i = 1, 800 do samples[i] = check.le(math.floor(8000 * math.sin(i / 5)) % 65536, 2) end
check.wav("fuzz.wav", table.concat(samples))
check.write("fuzz-corrupt.wav", "RIFF", check.le(9999, 4), "WAVEfmt ", string.rep("\255", 40))

-- The API, from the live tables ----------------------------------------------------------------

local is_class = {} -- class table -> true
local classes = {} -- { table, name, members = {names}, get = {{owner, name}}, set = {{owner, name}} }
local functions = {} -- { f, name }: global and module functions
-- open_url starts the desktop's browser; the rest is Lua's own library, which is not the API.
local skip = {}
for name in ([[open_url assert collectgarbage dofile error getfenv getmetatable ipairs load loadfile
    loadstring module newproxy next pairs pcall print rawequal rawget rawset require select setfenv
    setmetatable tonumber tostring type unpack xpcall gcinfo coroutine debug io math os package string
    table tolua _G]]):gmatch("%S+") do
    skip[name] = true
end
-- tolua's own fields: the collector deletes an object Lua still refers to (a known limit of the
-- library), the rest are its bookkeeping.
local function internal(name)
    return type(name) ~= "string" or name:sub(1, 2) == "__" or name:sub(1, 6) == "tolua_"
        or (name:sub(1, 1) == "." and name ~= ".call" and name ~= ".eq")
end
local function c_function(f) return type(f) == "function" and debug.getinfo(f, "S").what == "C" end
local function names_of(t)
    local list = {}
    for name in pairs(type(t) == "table" and t or {}) do list[#list + 1] = name end
    table.sort(list, function(a, b) return tostring(a) < tostring(b) end)
    return list
end

for _, name in ipairs(names_of(_G)) do
    local value = rawget(_G, name)
    if internal(name) or skip[name] then -- (".get" holds the global variables' getters)
    elseif type(value) == "table" then
        if rawget(value, ".get") or rawget(value, ".call") or rawget(value, "tolua_ubox") or rawget(value, ".collector")
            or getmetatable(value) and rawget(value, "__index") then
            is_class[value] = true
            classes[#classes + 1] = { table = value, name = name }
        else -- a module: its functions
            for _, member in ipairs(names_of(value)) do
                if c_function(rawget(value, member)) and not internal(member) then
                    functions[#functions + 1] = { f = rawget(value, member), name = name .. "." .. member }
                end
            end
        end
    elseif c_function(value) then
        functions[#functions + 1] = { f = value, name = name }
    end
end
table.sort(classes, function(a, b) return a.name < b.name end)
local variables = names_of(rawget(_G, ".get")) -- tolua keeps a module's variables there

-- A class's own and inherited members: the class table's metatable is its base class.
for _, class in ipairs(classes) do
    class.members, class.get, class.set = {}, {}, {}
    local seen, t = {}, class.table
    while t and is_class[t] do
        for _, name in ipairs(names_of(t)) do
            if not seen[name] and not internal(name) and type(rawget(t, name)) == "function" then
                seen[name] = true
                class.members[#class.members + 1] = name
            end
        end
        for _, kind in ipairs({ "get", "set" }) do
            for _, name in ipairs(names_of(rawget(t, "." .. kind))) do
                class[kind][#class[kind] + 1] = { owner = t, name = name }
            end
        end
        t = getmetatable(t)
    end
end

-- Values ---------------------------------------------------------------------------------------

local pool = {} -- script-facing objects: made here, returned by calls, devices, colours
local POOL_SIZE = 96
local function remember(value)
    if type(value) == "userdata" and is_class[getmetatable(value) or 0] then
        pool[random(POOL_SIZE)] = value -- may drop an older object, which the collector then takes
    end
end
for _, name in ipairs({ "display", "keyboard", "mouse", "joystick", "audio" }) do
    pool[#pool + 1] = rawget(_G, name)
end
for _, name in ipairs(variables) do remember(_G[name]) end

local function is_a(object, class)
    local t = getmetatable(object)
    while t and t ~= class do t = getmetatable(t) end
    return t ~= nil
end
local function object_of(class)
    for _ = 1, 12 do
        local object = pool[random(POOL_SIZE)]
        if object ~= nil and is_a(object, class) then return object end
    end
    return pool[random(POOL_SIZE)]
end

local numbers = { 0, 1, -1, 2, 0.5, -0.5, 3.75, 7, 16, 64, 100, 255, 256, 1000, 65535, 65536, -65536, 1e6, -1e6,
    2 ^ 31, -2 ^ 31, 2 ^ 32, 2 ^ 53, 1e18, 1e30, -1e30, 1e308, -1e308, 1e-300, math.huge, -math.huge, 0 / 0 }
local strings = { "", "x", "250", "-3", "1e400", "0x10", " 12 ", "nan", "%s%s%n", "a\0b", string.rep("w", 2000),
    "héllo ﻣﺮﺣﺒﺎ", "fuzz.bmp", "fuzz.wav", "fuzz-corrupt.wav", "Scripts/main.lua", "missing/file.png", "/",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVu Sans", "no such family" }

local fuzz_call -- defined below; callbacks call back into it
-- Destroying the window ends the frame loop (and its class stays registered, so it cannot be made
-- again under the same title): the window is destroyed once, by a callback, when the time is up.
local final, depth = false, 0
local stats = { calls = 0, errors = 0, falses = 0, collections = 0, callbacks = 0 }

local callbacks = {
    function() error("fuzz: callback error") end,
    function() collectgarbage() end,
    function(owner) -- destroy the owner: the display's window, a timer (stopped and dropped)
        stats.callbacks = stats.callbacks + 1
        if owner == rawget(_G, "display") then
            if final then owner:destroy() end
        elseif type(owner) == "userdata" then
            pcall(function() owner:stop() end)
            for i = 1, POOL_SIZE do
                if pool[i] == owner then pool[i] = nil end
            end
            collectgarbage()
        end
    end,
    function() -- call the API again from inside the callback
        stats.callbacks = stats.callbacks + 1
        for _ = 1, depth < 3 and random(4) or 0 do fuzz_call() end
    end,
    function() return random() < 0.5 end,
}

local value -- forward: tables hold values
local function table_value(level)
    local kind, t = random(5), {}
    if kind == 2 then -- an array of points, as the stroke and fill helpers take
        for i = 1, random(0, 9) do t[i] = Point(random(-100, 100), random(-100, 100)) end
    elseif kind == 3 then
        for i = 1, random(0, 6) do t[i] = value(level + 1) end
    elseif kind == 4 then
        t = { x = value(level + 1), y = value(level + 1), [1] = value(level + 1) }
    elseif kind == 5 then
        setmetatable(t, { __index = function() error("fuzz: table index") end })
    end
    return t
end

function value(level)
    level = level or 0
    local kind = random(level > 1 and 8 or 11)
    if kind == 1 then return nil
    elseif kind <= 3 then return pick(numbers) * (random() < 0.2 and -1 or 1)
    elseif kind == 4 then return random(-300, 300) + (random() < 0.3 and random() or 0)
    elseif kind == 5 then return pick(strings)
    elseif kind == 6 then return random() < 0.5
    elseif kind <= 8 then return pool[random(POOL_SIZE)]
    elseif kind == 9 then return table_value(level)
    elseif kind == 10 then return pick(callbacks)
    end
    return pick({ newproxy(), newproxy(true), io.stdout, coroutine.create(function() end), print })
end

local function arguments()
    local args, n = {}, random(0, 7)
    for i = 1, n do args[i] = value() end
    return unpack(args, 1, n)
end

-- Calls ----------------------------------------------------------------------------------------

local function count(good, ...)
    stats.calls = stats.calls + 1
    if not good then
        stats.errors = stats.errors + 1
        return
    end
    if select("#", ...) > 0 and select(1, ...) == false then stats.falses = stats.falses + 1 end
    for i = 1, select("#", ...) do remember((select(i, ...))) end
end

local function note(...)
    if trace then
        print(...)
        io.stdout:flush()
    end
end

local function call_member(class)
    local name = pick(class.members)
    if class.table == Display and name == "destroy" and not final then return end
    note("call", class.name, name)
    local f, self = class.table[name], nil
    if name == "new" or name == "new_local" or name == ".call" then
        self = random() < 0.95 and class.table or value()
    else
        self = random() < 0.85 and object_of(class.table) or value()
    end
    local good, made = pcall(f, self, arguments())
    count(good, made)
    -- What new and a sound's copy make is never deleted by the runtime: Lua takes it, so that the
    -- run leaks nothing.
    if (name == "new" or name == "copy") and good and type(made) == "userdata" then tolua.takeownership(made) end
end

local function call_accessor(class)
    local set = #class.set > 0 and random() < 0.5
    local list = set and class.set or class.get
    if #list == 0 then return end
    local entry = pick(list)
    note(set and "set" or "get", class.name, entry.name)
    local object = random() < 0.8 and object_of(class.table) or value()
    if random() < 0.3 then -- straight from the class table, with any object: must check its self
        count(pcall(rawget(entry.owner, set and ".set" or ".get")[entry.name], object, value()))
    elseif set then
        local new = entry.name:sub(1, 3) == "on_" and random() < 0.7 and pick(callbacks) or value()
        count(pcall(function() object[entry.name] = new end))
    else
        count(pcall(function() return object[entry.name] end))
    end
end

local function call_global()
    if random() < 0.7 and #functions > 0 then
        local entry = pick(functions)
        note("call", entry.name)
        count(pcall(entry.f, arguments()))
    elseif #variables > 0 then
        local name = pick(variables)
        if random() < 0.8 then
            count(pcall(function() return _G[name] end))
        else -- assigning a getter-only global stores a plain global that hides it: undo that
            count(pcall(function() _G[name] = value() end))
            rawset(_G, name, nil)
        end
    end
end

-- Callbacks that fire soon: a timer ticking every frame, or the window's own events.
local function arm_callback()
    if random() < 0.7 then
        local timer = object_of(Timer)
        if not is_a(timer, Timer) then
            timer = Timer()
            remember(timer)
        end
        timer.on_tick = pick(callbacks)
        timer:start(1, random() < 0.5)
    else
        display[pick({ "on_create", "on_destroy", "on_resize", "on_close", "on_gainfocus", "on_losefocus" })] =
            pick(callbacks)
        count(pcall(display.create, display, pick({ "api fuzz", "second" }), random(1, 400), random(1, 300), 32, true))
    end
    stats.calls = stats.calls + 1
end

function fuzz_call()
    depth = depth + 1
    local r = random()
    if r < 0.02 and depth == 1 then
        arm_callback()
    elseif r < 0.025 then
        collectgarbage(random() < 0.5 and "collect" or "step")
        stats.collections = stats.collections + 1
    elseif r < 0.1 then
        call_global()
    elseif r < 0.45 then
        call_accessor(pick(classes))
    else
        call_member(pick(classes))
    end
    depth = depth - 1
end

-- The run: batches of calls from a timer, so frames are drawn between them ----------------------

local started = os.time()
-- A global: a timer Lua owns stops when it is collected.
fuzz_driver = Timer()
fuzz_driver.on_tick = function()
    if final then return end
    for _ = 1, 200 do fuzz_call() end
    local elapsed = os.difftime(os.time(), started)
    if elapsed >= seconds then
        -- The end: drop every object, then a timer's callback destroys the window (whose own
        -- on_destroy may be anything the calls left there), which ends the frame loop.
        final = true
        for i = 1, POOL_SIZE do pool[i] = nil end
        collectgarbage()
        print(string.format("api fuzz: done: %d calls (%d errors, %d false results, %d callbacks that destroyed or "
            .. "re-entered, %d collections) in %.1f s; %d classes, %d functions, %d global variables; seed %d",
            stats.calls, stats.errors, stats.falses, stats.callbacks, stats.collections, elapsed, #classes,
            #functions, #variables, seed))
        io.stdout:flush()
        fuzz_ender = Timer()
        fuzz_ender.on_tick = function(timer)
            display:destroy()
            timer:stop()
        end
        fuzz_ender:start(1, false)
    end
end
fuzz_driver:start(1, true)
display:create("api fuzz", 320, 240, 32, true)
