-- Starfall's sounds and picture, made by the game itself: tones and a short loop of music are
-- synthesised into WAV files and a planet is shaded into a TGA file, written once into
-- Scripts/generated/ (or the system's temporary folder when that cannot be written) and loaded
-- from there like any other asset. Needs only plain Lua.

local assets = {}

local RATE = 22050
local TWO_PI = 2 * math.pi
local floor, sin, exp, random = math.floor, math.sin, math.exp, math.random

-- Little-endian integers for the file headers.
local function u16(n)
    return string.char(n % 256, floor(n / 256) % 256)
end

local function u32(n)
    return u16(n % 65536) .. u16(floor(n / 65536))
end

-- Writes mono 16-bit PCM; samples are numbers from -1 to 1 (clipped beyond).
local function write_wav(path, samples)
    local bytes, block = {}, {}
    for i = 1, #samples do
        local v = samples[i]
        v = v > 1 and 1 or (v < -1 and -1 or v)
        v = floor(v * 32767 + 0.5) % 65536
        block[#block + 1] = string.char(v % 256, floor(v / 256))
        if #block == 4096 then
            bytes[#bytes + 1] = table.concat(block)
            block = {}
        end
    end
    bytes[#bytes + 1] = table.concat(block)
    local data = table.concat(bytes)
    local file = io.open(path, "wb")
    if not file then
        return false
    end
    file:write("RIFF", u32(36 + #data), "WAVE", "fmt ", u32(16), u16(1), u16(1), u32(RATE), u32(RATE * 2),
        u16(2), u16(16), "data", u32(#data), data)
    file:close()
    return true
end

-- Writes 32-bit BGRA pixels, rows from the top; pixel(x, y) returns r, g, b, a from 0 to 255.
local function write_tga(path, size, pixel)
    local rows = {}
    for y = 0, size - 1 do
        local row = {}
        for x = 0, size - 1 do
            local r, g, b, a = pixel(x, y)
            row[#row + 1] = string.char(b, g, r, a)
        end
        rows[#rows + 1] = table.concat(row)
    end
    local file = io.open(path, "wb")
    if not file then
        return false
    end
    -- Uncompressed true colour, origin at the top left, 8 bits of alpha.
    file:write(string.char(0, 0, 2, 0, 0, 0, 0, 0), u16(0), u16(0), u16(size), u16(size), string.char(32, 0x28),
        table.concat(rows))
    file:close()
    return true
end

-- Samples of `seconds` of sound; voice(t, dt) returns the sample at time t.
local function render(seconds, voice)
    local samples, dt = {}, 1 / RATE
    for i = 0, floor(seconds * RATE) - 1 do
        samples[i + 1] = voice(i * dt, dt)
    end
    return samples
end

-- An oscillator whose frequency may change each sample: keeps its phase between calls.
local function oscillator()
    local phase = 0
    return function(frequency, dt)
        phase = (phase + TWO_PI * frequency * dt) % TWO_PI
        return phase
    end
end

local function midi(note)
    return 440 * 2 ^ ((note - 69) / 12)
end

local effects = {}

-- A rising two-step chime: picking up a star.
effects.blip = function()
    local osc = oscillator()
    return render(0.16, function(t, dt)
        local f = t < 0.05 and 988 or 1319
        local env = math.min(1, t / 0.004) * exp(-t * 22)
        local p = osc(f, dt)
        return 0.5 * env * (sin(p) + 0.25 * sin(2 * p))
    end)
end

-- A falling laser chirp.
effects.zap = function()
    local osc = oscillator()
    return render(0.15, function(t, dt)
        local p = osc(1500 * exp(-t * 14) + 180, dt)
        local env = math.min(1, t / 0.003) * exp(-t * 18)
        return 0.3 * env * (sin(p) + sin(3 * p) / 3 + sin(5 * p) / 5)
    end)
end

-- Noise through a closing low-pass filter over a sinking thump.
effects.boom = function()
    local osc, level = oscillator(), 0
    return render(0.9, function(t, dt)
        local cutoff = 0.5 * exp(-t * 4) + 0.02
        level = level + cutoff * ((random() * 2 - 1) - level)
        local thump = sin(osc(90 * exp(-t * 3) + 30, dt)) * exp(-t * 6)
        return (0.9 * level + 0.6 * thump) * exp(-t * 3.5) * math.min(1, t / 0.002)
    end)
end

-- A short bright arpeggio: a round begins.
effects.start = function()
    local osc = oscillator()
    local notes = { 72, 76, 79, 84 }
    return render(0.5, function(t, dt)
        local i = math.min(#notes, floor(t / 0.08) + 1)
        local local_t = t - (i - 1) * 0.08
        local env = math.min(1, local_t / 0.004) * exp(-local_t * (i == #notes and 6 or 14))
        local p = osc(midi(notes[i]), dt)
        return 0.35 * env * (sin(p) + 0.3 * sin(2 * p))
    end)
end

-- The music: four bars (A minor, F, C, G) at 120 beats a minute, a bass on the eighths, an
-- arpeggio on the sixteenths, a slow lead and a soft hi-hat. It ends where it began, so it loops.
local function music()
    local bar_roots = { 57, 53, 48, 55 }
    local chords = { { 0, 3, 7 }, { 0, 4, 7 }, { 0, 4, 7 }, { 0, 4, 7 } }
    local lead = { 76, 76, 72, 74, 72, 72, 69, 69, 67, 67, 76, 74, 74, 74, 71, 71 } -- one per beat
    local pattern = { 1, 2, 3, 4, 3, 2, 1, 2, 3, 4, 5, 4, 3, 2, 1, 2 }
    local bass, arp, melody = oscillator(), oscillator(), oscillator()
    local beat = 0.5
    return render(16 * beat, function(t, dt)
        local bar = floor(t / (4 * beat)) + 1
        local root, chord = bar_roots[bar], chords[bar]
        -- bass: root and fifth an octave down, plucked on every eighth
        local eighth = floor(t / (beat / 2))
        local et = t - eighth * beat / 2
        local bass_note = root - 12 + ((eighth % 4 == 3) and 7 or 0)
        local bp = bass(midi(bass_note), dt)
        local tri = 2 / math.pi * math.asin(sin(bp))
        local s = 0.32 * tri * exp(-et * 5)
        -- arpeggio: chord tones climbing two octaves
        local sixteenth = floor(t / (beat / 4))
        local st = t - sixteenth * beat / 4
        local step = pattern[sixteenth % 16 + 1]
        local note = root + 12 + chord[(step - 1) % 3 + 1] + 12 * floor((step - 1) / 3)
        local ap = arp(midi(note), dt)
        s = s + 0.11 * (sin(ap) + sin(3 * ap) / 3) * exp(-st * 16) * math.min(1, st / 0.003)
        -- lead: one note a beat with a gentle vibrato
        local b = floor(t / beat)
        local bt = t - b * beat
        local lp = melody(midi(lead[b + 1]) * (1 + 0.004 * sin(TWO_PI * 5 * t)), dt)
        s = s + 0.16 * (sin(lp) + 0.2 * sin(2 * lp)) * math.min(1, bt / 0.02) * exp(-bt * 2.5)
        -- hi-hat on the off-beats
        if eighth % 2 == 1 then
            s = s + 0.05 * (random() * 2 - 1) * exp(-et * 60)
        end
        -- fade the last few milliseconds so the loop joins without a click
        local left = 16 * beat - t
        return s * math.min(1, left / 0.004)
    end)
end

-- A banded teal and cream gas planet lit from the upper left, with a thin bright atmosphere, 128 pixels wide.
local function planet_pixel(size)
    local radius = size * 0.44
    local lx, ly, lz = -0.55, 0.55, 0.63
    return function(x, y)
        local nx = (x + 0.5 - size / 2) / radius
        local ny = (size / 2 - y - 0.5) / radius -- y up
        local d = math.sqrt(nx * nx + ny * ny)
        if d > 1.12 then
            return 0, 0, 0, 0
        end
        if d > 1 then
            local glow = (1.12 - d) / 0.12
            return 120, 190, 255, floor(150 * glow * glow)
        end
        local nz = math.sqrt(1 - d * d)
        local light = math.max(0, nx * lx + ny * ly + nz * lz)
        local band = 0.5 + 0.35 * sin(ny * 9 + 0.7 * sin(nx * 4 + ny * 3)) + 0.15 * sin(ny * 23)
        local r = 40 + 190 * band
        local g = 105 + 105 * band
        local b = 130 + 40 * band
        local shade = 0.12 + 0.88 * light ^ 0.9
        local rim = (1 - nz) ^ 3 * 120 -- atmosphere brightening towards the edge
        local edge = math.min(1, (1 - d) * radius) -- anti-aliased outline
        return floor(math.min(255, r * shade + rim * 0.6)), floor(math.min(255, g * shade + rim * 0.8)),
            floor(math.min(255, b * shade + rim)), floor(255 * edge)
    end
end

-- A folder that can be written: Scripts/generated/, else the temporary folder.
local function writable_folder()
    local probe = io.open("Scripts/generated/.probe", "wb")
    if probe then
        probe:close()
        os.remove("Scripts/generated/.probe")
        return "Scripts/generated/"
    end
    local scratch = os.tmpname() -- creates an empty file just to name the folder
    os.remove(scratch)
    return (scratch:match("^(.*/)") or "/tmp/") .. "starfall-"
end

local function exists(path)
    local file = io.open(path, "rb")
    if file then
        file:close()
    end
    return file ~= nil
end

-- Makes every asset that is not there yet and returns their paths: effects by name, music, planet.
function assets.prepare()
    local folder = writable_folder()
    local paths = { effects = {} }
    for name, make in pairs(effects) do
        local path = folder .. name .. ".wav"
        if exists(path) or write_wav(path, make()) then
            paths.effects[name] = path
        end
    end
    local path = folder .. "music.wav"
    if exists(path) or write_wav(path, music()) then
        paths.music = path
    end
    path = folder .. "planet.tga"
    if exists(path) or write_tga(path, 128, planet_pixel(128)) then
        paths.planet = path
    end
    return paths
end

return assets
