// DeviceInfo and DeviceHandle: how a plugin describes a device and names an opened one.
// Plain records shared byte for byte between the runtime and every plugin.
#pragma once

#include <cstddef>
#include <cstdint>

// Device classes and subclasses; the subclass doubles as the "kind" a plugin is asked about.
enum DeviceClass : uint32_t {
    DEV_CLASS_ALL = 1,
    DEV_CLASS_CPU = 2,
    DEV_CLASS_VIDEO = 3,
    DEV_CLASS_SOUND = 4,
    DEV_CLASS_INPUT = 5,
};

enum DeviceSubclass : uint32_t {
    DEV_SUBCLASS_ALL = 1,
    DEV_SUBCLASS_PLAY = 2,
    DEV_SUBCLASS_CAPTURE = 3,
    DEV_SUBCLASS_KEYBOARD = 16,
    DEV_SUBCLASS_MOUSE = 17,
    DEV_SUBCLASS_JOYSTICK = 18,
};

constexpr std::size_t kDeviceNameSize = 64;

struct DeviceInfo {
    uint32_t devclass;            // DEV_CLASS_*
    uint32_t subclass;            // DEV_SUBCLASS_*
    char name[kDeviceNameSize];   // NUL-terminated display name
    uint32_t id;                  // plugin's device identifier; for mode listing, the opened handle
};

// The value a plugin hands back for an opened device.
using DeviceHandle = uint32_t;

// Called once per device during an enumeration, before the enumeration returns.
using DeviceEnumCallback = void (*)(const DeviceInfo* info, void* context);

static_assert(sizeof(DeviceInfo) == 76);
static_assert(offsetof(DeviceInfo, devclass) == 0);
static_assert(offsetof(DeviceInfo, subclass) == 4);
static_assert(offsetof(DeviceInfo, name) == 8);
static_assert(offsetof(DeviceInfo, id) == 72);
static_assert(sizeof(DeviceHandle) == 4);
