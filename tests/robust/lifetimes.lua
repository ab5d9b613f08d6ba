-- Object lifetimes: objects used after what made or held them is gone, and callbacks that drop,
-- collect or destroy their own owner. The sanitizer build turns any use of freed memory here into
-- a failure; the checks say what a script sees.
-- Runs as a main script: vorn <path>/tests/robust/lifetimes.lua
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("lifetimes")

local function collect()
    collectgarbage()
    collectgarbage()
end

-- A node's colour outlives every script reference to the node.
local colour
do
    local sprite = Sprite()
    sprite.color = Color(1, 2, 3)
    colour = sprite.color
end
collect()
colour.green = 77
T:eq(colour.red * 1000 + colour.green, 1077, "a node's colour after the node was dropped")

-- A sprite's canvas after the sprite is collected: still a canvas that draws.
local canvas
do
    canvas = Sprite().canvas
end
collect()
canvas:move_to(0, 0)
canvas:circle(8)
canvas:fill()
local holder = Sprite()
holder.canvas = canvas
T:ok(holder.canvas == canvas, "the orphaned canvas given to another sprite")

-- A layer collected while its children live: the children can join another layer.
local child = Sprite()
do
    local layer = Layer()
    T:eq(layer:add_child(child), true, "child added to the doomed layer")
end
collect()
child:set_position(5, 6)
T:eq(Layer():add_child(child), true, "child of a collected layer joins another")

-- A sound collected while it plays stops: its voice is stopped, not left sounding.
check.wav("lifetime.wav", string.rep("\0\16", 800))
local function stops()
    local count = 0
    for line in io.lines("testplugins.calls") do
        if line:find("StopVoice") then
            count = count + 1
        end
    end
    return count
end
local kept = Sound("lifetime.wav")
do
    local sound = Sound("lifetime.wav")
    sound:play()
    kept = sound:copy()
    tolua.takeownership(kept)
    kept:play()
end
local before = stops()
collect()
T:eq(stops(), before + 1, "the collected sound's voice stopped")
T:eq(kept:is_playing(), true, "its copy, sharing the decoded data, plays on")

-- In frames: timers collected inside another timer's on_tick, a timer dropping and collecting
-- itself, then a callback destroying the window (which ends the run).
display.on_create = function(d)
    T:eq(d:destroy(), false, "destroy inside on_create: no window yet to destroy")
end
T:eq(display:create("lifetimes", 64, 48, 32, true), true, "the window is made after a destroy in on_create")
display.on_create = nil

local victims = { Timer(), Timer(), Timer() }
local victimTicks = 0
for _, timer in ipairs(victims) do
    timer.on_tick = function() victimTicks = victimTicks + 1 end
    timer:start(1, true)
end
local selfDropped = Timer()
selfDropped.on_tick = function(timer)
    timer:stop()
    selfDropped = nil
    collect()
end
selfDropped:start(1, true)

local frames = 0
lifetime_driver = Timer()
lifetime_driver.on_tick = function()
    frames = frames + 1
    if frames == 2 then
        victims = nil -- the three are collected while the timer pass walks the list
        collect()
        victimTicks = 0
    elseif frames == 5 then
        T:eq(victimTicks, 0, "collected timers tick no more")
        T:eq(selfDropped, nil, "the timer that dropped itself is gone")
        display.on_destroy = function()
            collect()
        end
        T:eq(display:destroy(), true, "a timer's callback destroys the window")
        T:finish()
    end
end
lifetime_driver:start(1, true)
