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

function Suite:finish()
    print(string.format("%s: %d checks, %d failed", self.name, self.count, self.failed))
    if self.failed > 0 or self.count == 0 then
        error(string.format("%s: %d of %d checks failed", self.name, self.failed, self.count), 0)
    end
end

return check
