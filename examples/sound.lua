-- Sound: a sound effect on a key, its pitch and pan, streamed music, and the master volume.
-- Run from the game folder: ./vorn examples/sound.lua   (Space plays, Left/Right pan, Up/Down pitch)

display:create("Vorn example: sound", 640, 480, 32, true)

local blip = Sound("examples/assets/blip.wav")     -- decoded whole: for short effects
local loop = Music("examples/assets/blip.wav")     -- streamed from its file: for long tracks
loop.volume = 0.3
loop:play_loop()

-- A bar for the pan (x) and the pitch (height), redrawn when they change.
local meter = Sprite()
local function redraw()
    local c = meter.canvas
    c:clear()
    c:set_fill_style(DIMGRAY)
    c:rectangle(400, 8)
    c:fill()
    c:move_to(blip.pan * 200, blip.pitch * 40)
    c:set_fill_style(blip:is_playing() and ORANGE or SKYBLUE)
    c:rectangle(30, blip.pitch * 80)
    c:fill()
end
redraw()
display:add_child(meter)

if keyboard then
    keyboard.on_press = function(key)
        if key == KEY_SPACE then blip:play()
        elseif key == KEY_LEFT then blip.pan = blip.pan - 0.25
        elseif key == KEY_RIGHT then blip.pan = blip.pan + 0.25
        elseif key == KEY_UP then blip.pitch = blip.pitch * 1.25
        elseif key == KEY_DOWN then blip.pitch = blip.pitch / 1.25
        elseif key == KEY_M and audio then audio.volume = audio.volume > 0 and 0 or 1
        end
        redraw()
    end
end
blip:play()

local watch = Timer()
watch.on_tick = redraw                             -- shows when the blip has finished
watch:start(100, true)

-- Ends by itself in headless runs (the examples' test).
dofile("examples/headless.lua")
