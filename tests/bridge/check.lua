-- check: the harness of the script tests, loaded with dofile from beside each test file. Works
-- the same under the test runner and as the vorn binary's main script: prints every failure and
-- a summary line, and raises at the end when a check failed or none ran. Error texts are
-- compared after the optional "chunk:line: " position that luaL_error puts in front.
local check = {}

local Suite = {}
Suite.__index = Suite

function check.suite(name)
    return setmetatable({ name = name, count = 0, failed = 0 }, Suite)
end

local function describe(value)
    if type(value) == "string" then
        return string.format("%q", value)
    end
    return tostring(value)
end

function Suite:ok(condition, label)
    self.count = self.count + 1
    if not condition then
        self.failed = self.failed + 1
        print(string.format("FAIL %s: %s", self.name, label))
    end
    return condition
end

function Suite:eq(actual, expected, label)
    return self:ok(actual == expected, string.format("%s: got %s, expected %s", label, describe(actual),
        describe(expected)))
end

-- Within eps (default 1e-4) of the expected number.
function Suite:near(actual, expected, label, eps)
    return self:ok(type(actual) == "number" and math.abs(actual - expected) <= (eps or 1e-4),
        string.format("%s: got %s, expected %s", label, describe(actual), describe(expected)))
end

-- The error text of fn(...), without its position; nil when fn did not fail.
function check.error_of(fn, ...)
    local good, message = pcall(fn, ...)
    if not good then
        return (string.gsub(tostring(message), "^[^\n]-:%d+: ", "", 1))
    end
end

-- fn(...) must fail with a text that starts with `prefix`.
function Suite:raises(prefix, label, fn, ...)
    local message = check.error_of(fn, ...)
    if message == nil then
        return self:ok(false, label .. ": no error raised")
    end
    return self:ok(string.sub(message, 1, #prefix) == prefix,
        string.format("%s: error %s does not start with %s", label, describe(message), describe(prefix)))
end

-- fn(...) must fail with the binding library's argument error: "error in function 'name'." and
-- the argument's index, its type and the expected one.
function Suite:raises_argument(name, index, provided, expected, label, fn, ...)
    return self:raises(string.format("error in function '%s'.\n     argument #%d is '%s'; '%s' expected.", name, index,
        provided, expected), label, fn, ...)
end

-- fn(...) must fail with "invalid type in variable assignment." naming both types.
function Suite:raises_assignment(provided, expected, label, fn, ...)
    return self:raises(string.format("invalid type in variable assignment.\n     value is '%s'; '%s' expected.",
        provided, expected), label, fn, ...)
end

-- True when Lua owns the object (its collector will delete it); leaves the ownership as it was.
function check.owned(object)
    local owned = tolua.releaseownership(object)
    if owned then
        tolua.takeownership(object)
    end
    return owned
end

-- Little-endian fields for the files tests write: check.le(value, size, value, size, ...).
function check.le(...)
    local out, args = {}, { ... }
    for f = 1, #args, 2 do
        local value = args[f]
        for _ = 1, args[f + 1] do
            out[#out + 1] = string.char(value % 256)
            value = math.floor(value / 256)
        end
    end
    return table.concat(out)
end

function check.write(name, ...)
    local file = assert(io.open(name, "wb"))
    file:write(...)
    file:close()
end

-- A 24-bit BMP header for width x height followed by `pixels` (which may be short of it).
function check.bmp(name, width, height, pixels)
    local size = math.ceil(3 * width / 4) * 4 * height
    check.write(name, "BM", check.le(54 + size, 4, 0, 4, 54, 4, 40, 4, width, 4, height, 4, 1, 2, 24, 2, 0, 4, size,
        4, 2835, 4, 2835, 4, 0, 4, 0, 4), pixels)
end

-- A 16-bit mono WAV at 8 kHz holding the bytes `pcm`.
function check.wav(name, pcm)
    check.write(name, "RIFF", check.le(36 + #pcm, 4), "WAVEfmt ", check.le(16, 4, 1, 2, 1, 2, 8000, 4, 16000, 4, 2,
        2, 16, 2), "data", check.le(#pcm, 4), pcm)
end

function Suite:finish()
    print(string.format("%s: %d checks, %d failed", self.name, self.count, self.failed))
    if self.failed > 0 or self.count == 0 then
        error(string.format("%s: %d of %d checks failed", self.name, self.failed, self.count), 0)
    end
end

return check
