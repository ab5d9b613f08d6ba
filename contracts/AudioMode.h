// AudioMode: the audio device's output format, passed to and from the audio plugin unchanged.
#pragma once

#include <cstddef>
#include <cstdint>

struct AudioMode {
    int32_t bps;        // bits per sample
    int32_t channels;   // 1 mono, 2 stereo
    int32_t rate;       // samples per second
};

static_assert(sizeof(AudioMode) == 12);
static_assert(offsetof(AudioMode, bps) == 0);
static_assert(offsetof(AudioMode, channels) == 4);
static_assert(offsetof(AudioMode, rate) == 8);
