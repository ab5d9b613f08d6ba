// Probe: a test-only bound class that exercises the binding conventions through generated glue:
// a live-object counter for ownership, overloads, number/boolean conversions and a callback
// property built with VORN_CALLBACK_PROPERTY.
#pragma once

#include <lua.hpp>

#include "bridge/LuaRef.h"

class Probe {
public:
    Probe() { ++live; }
    explicit Probe(double v)
        : value(v)
    {
        ++live;
    }
    virtual ~Probe() { --live; }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    static int Live() { return live; }
    // Overloads registered (), (n), (n, flag): each returns its own number.
    int Pick() { return 0; }
    int Pick(double) { return 1; }
    int Pick(double, bool) { return 2; }
    bool Echo(bool flag) { return flag; }
    int Truncate(int n) { return n; }
    // Calls on_event with this probe; Ask reads its result as a boolean.
    void Fire(lua_State* L);
    bool Ask(lua_State* L);

    double value = 0;
    bridge::LuaRef onEvent;
    static inline int live = 0;
};
