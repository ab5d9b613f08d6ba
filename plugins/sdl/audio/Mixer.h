// Mixer: fills the output stream on SDL's audio thread. This is where the engine's sounds will
// be mixed, scaled by the master gain; until the engine's mixer exists it writes silence.
#pragma once

#include <atomic>
#include <cstdint>

#include "contracts/AudioMode.h"

namespace sdlaudio {

class Mixer {
public:
    // Master gain 0..1; read on the audio thread, written on the main thread.
    void SetGain(float gain) { gain_.store(gain); }
    float Gain() const { return gain_.load(); }

    // Writes `bytes` bytes of output in `mode`; `silence` is the format's silent byte value.
    void Render(uint8_t* out, int bytes, const AudioMode& mode, uint8_t silence);

private:
    std::atomic<float> gain_ { 1.0f };
};

} // namespace sdlaudio
