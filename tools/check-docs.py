#!/usr/bin/env python3
"""Checks the game authors' docs against the build.

  tools/check-docs.py coverage        every class, member and constant of the runtime/*/*.pkg files
                                      that no page under docs/ names
  tools/check-docs.py snippets [PAGE] runs the Lua in docs/*.md and docs/api/*.md through the built
                                      binary (build/release/game), headless on SDL's dummy drivers

Snippets: per page, the ```lua blocks run in order as one main script (a block whose fence reads
```lua Scripts/util.lua is written to that file instead). Then every table cell holding only
inline code in a column headed "example" runs on its own, and every row of a table headed
| call | message | must raise an error whose text contains the message. A page passes when its run
ends without a script error and every check holds.
"""
import os, re, shutil, subprocess, sys, tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GAME = os.path.join(ROOT, "build", "release", "game")


def pages():
    for folder in ("docs", "docs/api"):
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(".md"):
                yield os.path.join(folder, name)


def coverage():
    names = set()
    for dirpath, _, files in os.walk(os.path.join(ROOT, "runtime")):
        for f in files:
            if not f.endswith(".pkg"):
                continue
            text = re.sub(r"//[^\n]*|\$[^\n]*", "", open(os.path.join(dirpath, f)).read())
            names |= set(re.findall(r"@\s*(\w+)", text))                     # Lua names
            names |= set(re.findall(r"\b(?:KEY|MBUTTON|JBUTTON|JDPAD|BM|IMG_FORMAT|DEV)_\w+", text))
            names |= set(re.findall(r"tolua_readonly Color (\w+);", text))    # named colours
            names |= set(re.findall(r"(?:property\s+[\w*]+\s*\*?\s*|\b(?:float|bool|int|double|unsigned int|unsigned char)\s+)(\w+)\s*;", text))
            names |= set(re.findall(r"\b[\w*&]+\s+(\w+)\s*\(", text))         # methods without @
            names |= set(re.findall(r"\b(?:class|struct|module)\s+(\w+)", text))
    names -= {"operator", "r", "g", "b", "LuaSceneNode_", "kDebug"}
    names = {n for n in names if not n.startswith("Lua") or n in ("LuaInputDevice", "LuaSceneNode")}
    docs = "".join(open(os.path.join(ROOT, p)).read() for p in pages())
    missing = sorted(n for n in names if not re.search(r"(?<![\w])" + re.escape(n) + r"(?![\w])", docs))
    print(f"{len(names) - len(missing)} of {len(names)} API names appear in docs/")
    for n in missing:
        print("  not documented:", n)
    return 1 if missing else 0


def lua_string(text):
    return "[==[" + text + "]==]"


def page_script(path):
    text = open(os.path.join(ROOT, path)).read()
    files, body, checks = {}, [], []
    for info, block in re.findall(r"```lua([^\n]*)\n(.*?)```", text, re.S):
        if info.strip():
            files[info.strip()] = block
        else:
            body.append(block)
    for table in re.findall(r"((?:^\|.*\|\n)+)", text, re.M):
        rows = [[c.strip() for c in r.strip().strip("|").split("|")] for r in table.splitlines()]
        header = [h.lower() for h in rows[0]]
        for row in rows[2:]:
            if header[:2] == ["call", "message"] and len(row) >= 2:
                if not (re.fullmatch(r"`[^`]+`", row[0]) and re.fullmatch(r"`[^`]+`", row[1])):
                    continue
                code, message = row[0].strip("`"), row[1].strip("`").replace("\\|", "|")
                checks.append(f"__raises({lua_string(code)}, {lua_string(message)})")
            elif "example" in header and len(row) == len(header):
                cell = row[header.index("example")]
                if re.fullmatch(r"`[^`]+`", cell):
                    checks.append(f"__try({lua_string(cell.strip('`').replace(chr(92) + '|', '|'))})")
    helpers = """
local function __fail(what, why) print("SNIPPET FAILED: " .. what .. "\\n    " .. tostring(why)) end
function __try(code)
    local f, e = loadstring(code)
    if not f then return __fail(code, e) end
    local ok, e = pcall(f)
    if not ok then __fail(code, e) end
end
function __raises(code, message)
    local f, e = loadstring(code)
    if not f then return __fail(code, e) end
    local ok, e = pcall(f)
    if ok then return __fail(code, "no error; expected: " .. message) end
    if not string.find(tostring(e), message, 1, true) then __fail(code, "got: " .. tostring(e) .. "; expected: " .. message) end
end
"""
    tail = """
if display then
    if not display:get_title() then display:create("snippets", 640, 480, 32, true) end
    local __n = 3
    local __quit = Timer:new()
    __quit.on_tick = function() __n = __n - 1 if __n <= 0 then display:destroy() end end
    __quit:start(1, true)
end
"""
    return files, helpers + "\n".join(body) + "\n" + "\n".join(checks) + tail, len(body), len(checks)


def snippets(only):
    failed = 0
    for path in pages():
        if only and only not in path:
            continue
        files, script, blocks, checks = page_script(path)
        if blocks == 0 and checks == 0:
            continue
        with tempfile.TemporaryDirectory() as game:
            for item in ("vorn", "libVornFramework.so"):
                shutil.copy(os.path.join(GAME, item), game)
            for item in ("Plugins", "examples"):
                shutil.copytree(os.path.join(GAME, item), os.path.join(game, item))
            os.makedirs(os.path.join(game, "Scripts"))
            for name, content in files.items():
                open(os.path.join(game, name), "w").write(content)
            open(os.path.join(game, "Scripts", "main.lua"), "w").write(script)
            env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy", VORN_MESSAGEBOX="cancel")
            env.pop("DISPLAY", None)
            run = subprocess.run(["./vorn"], cwd=game, env=env, capture_output=True, text=True, timeout=60)
            bad = [l for l in run.stdout.splitlines() if l.startswith("SNIPPET FAILED") or l.startswith("    ")]
            if "[messagebox]" in run.stderr:
                bad.append("script error:\n" + "\n".join(l for l in run.stderr.splitlines() if not l.startswith("[")))
            status = "ok" if not bad and run.returncode == 0 else "FAILED"
            print(f"{status:6} {path}: {blocks} blocks, {checks} examples and messages")
            for line in bad:
                print("   ", line)
            failed += status != "ok"
    return 1 if failed else 0


if __name__ == "__main__":
    what = sys.argv[1] if len(sys.argv) > 1 else "coverage"
    sys.exit(coverage() if what == "coverage" else snippets(sys.argv[2] if len(sys.argv) > 2 else None))
