// ProbeGlue: the custom accessors of Probe.on_event, the pattern every `on_*` property uses.
#pragma once

#include "Probe.h"
#include "bridge/CallbackProperty.h"

#define TOLUA_DISABLE_tolua_get_Probe_on_event
#define TOLUA_DISABLE_tolua_set_Probe_on_event
VORN_CALLBACK_PROPERTY(Probe, on_event, onEvent)
