// MusicSource: a sound file decoded block by block as the audio plugin asks (IAudioSource), so
// music plays from its file without ever being loaded whole. A looping source starts over at the
// end of the file within the same block, so the seam has no gap. One per playing of a Music.
#pragma once

#include <memory>

#include "Vorn/sound/SoundFile.h"
#include "contracts/AudioSource.h"

namespace Vorn {

class MusicSource final : public IAudioSource {
public:
    MusicSource(std::unique_ptr<SoundFile> file, bool loop);

    uint32_t Channels() const override { return file_->Channels(); }
    uint32_t Rate() const override { return file_->Rate(); }
    uint32_t Read(float* out, uint32_t frames) override;

private:
    std::unique_ptr<SoundFile> file_;
    bool loop_;
};

} // namespace Vorn
