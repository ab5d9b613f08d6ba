// SoundBuffer: a sound file decoded whole, once, and handed to the audio plugin as a sample.
// Shared (counted) by a Sound and its copies; the last holder's release frees the sample.
#pragma once

#include <cstdint>

#include "Vorn/core/Node.h"
#include "contracts/IAudio.h"

namespace Vorn {

class SoundBuffer : public Node {
public:
    // Decodes `path` whole; null (the reason logged) when the file is not a complete sound file.
    // With `audio` null the file is still decoded and checked, and nothing is kept to play.
    static SoundBuffer* Decode(IAudio* audio, const char* path);
    ~SoundBuffer() override;

    IAudio* Audio() const { return audio_; }
    // The plugin's sample, 0 when there is no plugin (or it refused the sample).
    SampleHandle Sample() const { return sample_; }

private:
    SoundBuffer(IAudio* audio, SampleHandle sample)
        : audio_(audio)
        , sample_(sample)
    {
    }

    IAudio* audio_;
    SampleHandle sample_;
};

} // namespace Vorn
