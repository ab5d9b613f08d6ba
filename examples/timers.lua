-- Timers: a per-frame update that uses the tick's lateness, a recurring timer, a one-shot timer,
-- and pausing.
-- Run from the game folder: ./vorn examples/timers.lua

display:create("Vorn example: timers", 640, 480, 32, true)

local function ball(colour, y)
    local s = Sprite(-300, y)
    s.canvas:set_fill_style(colour)
    s.canvas:circle(16)
    s.canvas:fill()
    display:add_child(s)
    return s
end
local steady, blinking = ball(GOLD, 60), ball(DEEPSKYBLUE, -60)

-- The per-frame timer: 16 ms asks for a tick every frame (at most one per frame). Multiplying by
-- get_delta() keeps the speed constant in pixels per second when frames come late.
local speed = 120 / 1000 * 16                      -- 120 pixels a second, per 16 ms tick
local frame = Timer()
frame.on_tick = function(t)
    steady.x = steady.x + speed * t:get_delta()
    if steady.x > 300 then steady.x = -300 end
    blinking.x = steady.x
end
frame:start(16, true)

-- A recurring timer: blink every 250 ms.
local blink = Timer()
blink.on_tick = function() blinking.visible = not blinking.visible end
blink:start(250, true)

-- A one-shot timer: after one second, pause the blinking and colour the ball.
local once = Timer()
once.on_tick = function(t)
    blink:pause()
    blinking.visible = true
    blinking.color = LIGHTGREEN                    -- tints what the sprite draws
    print("one second passed; elapsed", t:get_elapsed(), "ms")
end
once:start(1000)                                   -- recur is false unless given

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
