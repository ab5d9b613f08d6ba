-- Not an example: the ending every example shares.
-- Headless runs (the examples' test) set VORN_EXAMPLE_FRAMES: the example ends by itself after at
-- least that many frames (a 1 ms timer ticks at most once per frame). Each example runs this file
-- last, so a window it made exists by then.
local frames = tonumber(os.getenv("VORN_EXAMPLE_FRAMES"))
if frames then
    local quit = Timer()
    quit.on_tick = function() frames = frames - 1 if frames <= 0 then display:destroy() end end
    quit:start(1, true)
end
