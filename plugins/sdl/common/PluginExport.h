// PluginExport: marks a plugin's factory as the one symbol its module exports.
// The modules build with hidden visibility, so nothing else leaks out of them.
#pragma once

#define VORN_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
