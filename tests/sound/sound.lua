-- Audio, AudioMode, Sound and Music through the script API with the test audio plugin: the
-- constructors and their messages, the self and argument errors, the overload order of set_mode,
-- ownership, what reaches the plugin, and Music keeping its stream flag through the inherited load.
-- Runs as a main script: vorn <path>/tests/sound/sound.lua (writes its sound files beside it).
local check = dofile(debug.getinfo(1, "S").source:match("^@(.-)[^/\\]*$") .. "../bridge/check.lua")
local T = check.suite("sound")

-- A short 16-bit mono WAV of silence.
check.wav("blip.wav", string.rep("\0\0", 2205))

-- What the test plugin was asked since the last look.
local seen = 0
local function callsSince()
    local file = assert(io.open("testplugins.calls"))
    local text = file:read("*a")
    file:close()
    seen, text = #text, string.sub(text, seen + 1)
    return text
end
local function count(text, pattern)
    return select(2, string.gsub(text, pattern, ""))
end

-- AudioMode: fields from zero; setters truncate toward zero and saturate (never wrap).
local mode = AudioMode()
T:eq(mode.bps + mode.channels + mode.rate, 0, "a new AudioMode starts at zero")
mode.bps = 16.9
mode.rate = -44100.7
T:eq(mode.bps .. "/" .. mode.rate, "16/-44100", "truncation is toward zero")
mode.rate = 1e300
T:eq(mode.rate, 2147483647, "out of range saturates")

-- Audio: the master volume.
T:ok(audio ~= nil, "the test plugin's device is the global audio")
audio.volume = "0.25"
T:eq(audio.volume, 0.25, "a numeric string is accepted and passed on")
T:ok(string.find(callsSince(), "audio SetVolume 0.25", 1, true) ~= nil, "the plugin got the volume")

-- set_mode and get_mode.
T:raises("set_mode: wrong parameter #2, AudioMode expected, got nil.", "set_mode(nil)",
    function() return audio:set_mode(nil) end)
T:eq(audio:set_mode(16, 2, 22050), false, "no window: false")
mode.bps, mode.channels, mode.rate = 8, 1, 11025
T:eq(audio:set_mode(mode), false, "no window: false for the record form too")
T:eq(count(callsSince(), "audio SetMode"), 0, "without a window the plugin is not asked")
T:raises_argument("set_mode", 4, "[no object]", "number", "two numbers", function() return audio:set_mode(16, 2) end)
T:raises("invalid 'self' in function 'set_mode'", "set_mode with nil self",
    function() return Audio.set_mode(nil, 16, 2, 44100) end)
T:ok(check.error_of(function() return audio:get_mode(nil) end) ~= nil, "get_mode(nil) raises")

T:eq(display:create("Sound", 320, 240, 32, true), true, "a game window")
T:eq(audio:set_mode(8.9, "1", 11025), true, "with a window: the plugin's answer")
mode.bps, mode.channels, mode.rate = 32, 2, 48000
T:eq(audio:set_mode(mode), true, "the record form")
local asked = callsSince()
T:ok(string.find(asked, "audio SetMode window 8 1 11025", 1, true) ~= nil, "numbers truncated, with the window")
T:ok(string.find(asked, "audio SetMode window 32 2 48000", 1, true) ~= nil, "the record passed on")
local got = AudioMode()
T:eq(audio:get_mode(got), true, "get_mode answers")
T:eq(got.bps .. "/" .. got.channels .. "/" .. got.rate, "32/2/48000", "get_mode fills the record")

-- Sound and Music constructors.
local empty = Sound()
T:eq(tolua.type(empty), "LuaSound", "Sound() is a Sound")
T:eq(empty:is_playing(), false, "an empty sound is silent")
T:eq(empty:unload(), false, "nothing to unload")
T:eq(check.owned(Sound("blip.wav")), true, "the call form is owned by Lua")
T:eq(tolua.type(Music()), "LuaMusic", "Music() is a Music")
T:eq(check.error_of(Sound, "missing.wav"), "Sound: cannot load file.", "Sound of a missing file")
T:eq(check.error_of(Music, "missing.wav"), "Sound: cannot load file", "Music of a missing file: no period")
T:ok(string.find(select(2, pcall(function() return Sound:new("missing.wav") end)), "^[^\n]-:%d+: Sound: cannot load file%.$")
    ~= nil, "the message carries the script position")
T:eq(check.error_of(Sound, nil), "Sound: invalid argument, filename expected, got nil.", "Sound(nil)")
T:eq(check.error_of(Music.new_local, Music, nil), "Music: invalid argument, filename expected, got nil.",
    "Music(nil)")

-- load: nil raises, a bad file answers false, Music keeps streaming through the inherited binding.
local sound = Sound()
T:eq(check.error_of(sound.load, sound, nil), "load sound: invalid argument, filename expected, got nil.",
    "load(nil)")
local music = Music()
T:eq(check.error_of(music.load, music, nil), "load sound: invalid argument, filename expected, got nil.",
    "Music load(nil)")
T:eq(sound:load("missing.wav"), false, "a missing file: false")
callsSince()
T:eq(sound:load("blip.wav"), true, "a sound file loads")
T:eq(music:load("blip.wav"), true, "music loads")
T:eq(count(callsSince(), "audio CreateSample"), 1, "the sound is decoded, the music is not")
music:play()
T:eq(count(callsSince(), "audio PlayStream"), 1, "music plays as a stream")

-- Playing.
sound:play()
T:eq(sound:is_playing(), true, "play")
sound:pause()
T:eq(sound:is_playing(), false, "pause")
sound:resume()
T:eq(sound:is_playing(), true, "resume")
sound:stop()
T:eq(sound:is_playing(), false, "stop")
sound:play_loop()
T:ok(string.find(callsSince(), "PlaySample %d+ loop"), "play_loop loops")

-- Properties: defaults, conversion, the engine's ranges, errors.
T:eq(sound.volume .. "/" .. sound.pan .. "/" .. sound.pitch, "1/0/1", "defaults")
sound.volume = "0.5"
sound.pan = -0.25
sound.pitch = 2
T:eq(sound.volume .. "/" .. sound.pan .. "/" .. sound.pitch, "0.5/-0.25/2", "set and read back")
T:ok(string.find(callsSince(), "SetVoicePitch %d+ 2"), "a playing sound's pitch reaches its voice")
sound.volume = 3
T:eq(sound.volume, 1, "volume stays within 0..1")
T:eq(music.pitch, 1, "Music inherits the properties")

-- Self errors name the C++ member, which is not always the Lua name; a wrong self names the Lua one.
T:raises("invalid 'self' in function 'Load'", "load with nil self", function() return Sound.load(nil, "blip.wav") end)
T:raises("invalid 'self' in function 'play_loop'", "play_loop with nil self", function() return Sound.play_loop(nil) end)
T:raises_argument("copy", 1, "AudioMode", "LuaSound", "copy on a record", function() return Sound.copy(mode) end)

-- copy: a Sound, never owned by Lua, sharing the decoded data.
local copied = sound:copy()
T:eq(tolua.type(copied), "LuaSound", "a copy is a Sound")
T:eq(check.owned(copied), false, "Lua does not own a copy")
T:eq(copied.volume, 1, "the copy has the original's settings")
T:eq(count(callsSince(), "audio CreateSample"), 0, "a copy decodes nothing")
copied:play()
T:eq(copied:is_playing() and sound:is_playing(), true, "the copy plays over the original")
tolua.takeownership(copied)
local musicCopy = music:copy()
T:eq(tolua.type(musicCopy), "LuaSound", "a copy of a Music is a Sound")
tolua.takeownership(musicCopy)
musicCopy:play()
T:eq(count(callsSince(), "audio PlayStream"), 1, "and it streams as the music did")

-- unload and collection release the data.
T:eq(sound:unload(), true, "unload")
T:eq(sound:is_playing(), false, "an unloaded sound is silent")
callsSince()
copied, sound = nil, nil
collectgarbage("collect")
local released = callsSince()
T:ok(string.find(released, "audio StopVoice", 1, true) ~= nil, "a playing sound stops when it is collected")
T:ok(string.find(released, "audio ReleaseSample", 1, true) ~= nil, "the last holder's collection frees the sample")

display:destroy()
T:finish()
