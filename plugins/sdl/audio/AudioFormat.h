// AudioFormat: which output formats the plugin plays and how they map to SDL audio requests.
// Accepted: 8 (unsigned), 16 (signed) or 32 (float) bits; 1 or 2 channels; 8000..192000 Hz.
#pragma once

#include <SDL.h>

#include "contracts/AudioMode.h"

namespace sdlaudio {

// The format a device opens with: 44100 Hz, 2 channels, 16 bits.
AudioMode DefaultMode();

bool IsSupported(const AudioMode& mode);

// The SDL request for exactly this format (SDL converts to the hardware's own).
SDL_AudioSpec SpecFor(const AudioMode& mode, SDL_AudioCallback callback, void* userdata);

// The format SDL granted, in the plugin's terms.
AudioMode ModeOf(const SDL_AudioSpec& spec);

} // namespace sdlaudio
