-- What the player wants this frame, read from whichever devices there are: the keyboard (arrows
-- or WASD, Space), the mouse (hold the left button to fly towards the pointer, the right one
-- fires) and a gamepad (the left stick flies, A fires). Any device may be missing.

local controls = {}

local function down(device, code)
    return device ~= nil and code ~= nil and (device:is_down(code)) == true
end

local function any_down(device, codes)
    for _, code in ipairs(codes) do
        if down(device, code) then
            return true
        end
    end
    return false
end

-- `sx`, `sy`: where the ship shows, in display coordinates (the mouse's).
function controls.intent(sx, sy)
    local intent = { turn = 0, thrust = 0, brake = false, fire = false }
    if keyboard then
        if any_down(keyboard, { KEY_LEFT, KEY_A }) then
            intent.turn = intent.turn - 1
        end
        if any_down(keyboard, { KEY_RIGHT, KEY_D }) then
            intent.turn = intent.turn + 1
        end
        if any_down(keyboard, { KEY_UP, KEY_W }) then
            intent.thrust = 1
        end
        intent.brake = any_down(keyboard, { KEY_DOWN, KEY_S })
        intent.fire = down(keyboard, KEY_SPACE)
    end
    if mouse then
        if down(mouse, MBUTTON_LEFT) then
            local dx, dy = mouse.xaxis - sx, mouse.yaxis - sy
            local reach = math.sqrt(dx * dx + dy * dy)
            if reach > 8 then
                intent.aim = math.deg(math.atan2(dx, dy))
                intent.thrust = math.max(intent.thrust, math.min(1, reach / 160))
            end
        end
        intent.fire = intent.fire or down(mouse, MBUTTON_RIGHT)
    end
    if joystick then
        local x, y = joystick.xaxis or 0, joystick.yaxis or 0
        local push = math.sqrt(x * x + y * y)
        if push > 0.25 then
            intent.aim = math.deg(math.atan2(x, y))
            intent.thrust = math.max(intent.thrust, math.min(1, push))
        end
        intent.fire = intent.fire or down(joystick, JBUTTON_1)
    end
    return intent
end

-- Whether a key, button or pad button pressed just now asks to begin a round.
function controls.starts(code)
    return code == KEY_ENTER or code == KEY_NUMENTER or code == MBUTTON_LEFT or code == JBUTTON_1
        or code == JBUTTON_8
end

return controls
