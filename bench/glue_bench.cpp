// glue_bench: what the binding glue costs per call. Builds the script state the way the host
// does, times loops of bound calls against a loop of plain Lua function calls in the same run,
// and prints nanoseconds per call (loop overhead removed) and the ratio to the plain call.
// Usage: glue_bench [iterations]; bench/callgrind.sh counts instructions per call instead.
#include <tolua++.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <lua.hpp>

#include "host/Packages.h"

namespace {

struct Case {
    const char* label;
    const char* body; // the statement inside the timed loop; `i` is the loop counter
};

constexpr Case kCases[] = {
    { "plain Lua function call      f(i)", "f(i)" },
    { "bound method call            p:get_radial()", "p:get_radial()" },
    { "bound property read          p.x", "local v = p.x" },
    { "bound property assignment    p.x = i", "p.x = i" },
    { "Point operation              p:add(1, 2)", "p:add(1, 2)" },
    { "Point operation by fallback  p:add(q)", "p:add(q)" },
    { "Point construction           Point(i, i)", "local v = Point(i, i)" },
};

constexpr int kRepeats = 5;

// Best-of-kRepeats seconds for `iterations` runs of body; aborts on a Lua error.
double TimeLoop(lua_State* L, const char* body, long iterations)
{
    char chunk[512];
    std::snprintf(chunk, sizeof chunk,
        "local f, p, q, Point = f, p, q, Point\n"
        "for i = 1, %ld do %s end",
        iterations, body);
    double best = 1e30;
    for (int r = 0; r < kRepeats; ++r) {
        if (luaL_loadstring(L, chunk) != 0) {
            std::fprintf(stderr, "glue_bench: %s\n", lua_tostring(L, -1));
            std::exit(1);
        }
        const auto start = std::chrono::steady_clock::now();
        if (lua_pcall(L, 0, 0, 0) != 0) {
            std::fprintf(stderr, "glue_bench: %s\n", lua_tostring(L, -1));
            std::exit(1);
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
        lua_gc(L, LUA_GCCOLLECT, 0);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    // "--case K N" times only case K (0 is the empty loop) for bench/callgrind.sh.
    const bool oneCase = argc == 4 && std::strcmp(argv[1], "--case") == 0;
    long iterations = 2000000;
    if (oneCase)
        iterations = std::atol(argv[3]);
    else if (argc > 1)
        iterations = std::atol(argv[1]);
    constexpr int kCaseCount = sizeof kCases / sizeof kCases[0];
    const int only = oneCase ? std::atoi(argv[2]) : -1;
    if (iterations <= 0 || only < -1 || only > kCaseCount || (oneCase && only < 0)) {
        std::fprintf(stderr, "usage: glue_bench [iterations] | glue_bench --case K iterations\n");
        return 2;
    }
    lua_State* L = luaL_newstate();
    lua_gc(L, LUA_GCSTOP, 0);
    luaL_openlibs(L);
    tolua_open(L);
    host::RegisterPackages(L);
    lua_gc(L, LUA_GCRESTART, 0);
    if (luaL_dostring(L, "function f(a) return a end; p = Point(3, 4); q = Point(0, 0)") != 0) {
        std::fprintf(stderr, "glue_bench: %s\n", lua_tostring(L, -1));
        return 1;
    }

    if (oneCase) {
        TimeLoop(L, only == 0 ? "" : kCases[only - 1].body, iterations);
    } else {
        const double empty = TimeLoop(L, "", iterations);
        double plain = 0;
        std::printf(
            "Binding glue cost, %ld iterations, best of %d, empty-loop time removed\n", iterations, kRepeats);
        for (const Case& c : kCases) {
            const double perCall = (TimeLoop(L, c.body, iterations) - empty) / iterations * 1e9;
            if (plain == 0)
                plain = perCall;
            std::printf("  %-48s %8.1f ns  %6.2fx plain call\n", c.label, perCall, perCall / plain);
        }
    }
    lua_close(L);
    return 0;
}
