// MusicSource: reading on, and starting over for a loop.
#include "Vorn/sound/MusicSource.h"

namespace Vorn {

MusicSource::MusicSource(std::unique_ptr<SoundFile> file, bool loop)
    : file_(std::move(file))
    , loop_(loop)
{
}

uint32_t MusicSource::Read(float* out, uint32_t frames)
{
    uint32_t done = 0;
    bool rewound = false;
    while (done < frames) {
        const uint32_t got = file_->Read(out + static_cast<std::size_t>(done) * Channels(), frames - done);
        done += got;
        if (got > 0) {
            rewound = false;
            continue;
        }
        // The end (or a damaged stretch): a loop starts over, unless the start yields nothing either.
        if (!loop_ || rewound || !file_->Rewind())
            break;
        rewound = true;
    }
    return done;
}

} // namespace Vorn
