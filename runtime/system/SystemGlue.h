// SystemGlue: what the system package's generated glue includes: the DEV_* values and
// enumerate_devices.
#pragma once

#include "contracts/DeviceInfo.h"
#include "system/DeviceList.h"
