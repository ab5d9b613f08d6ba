// Mixer: the output stream's content. No sound sources exist yet, so every block is silent.
#include "Mixer.h"

#include <cstring>

namespace sdlaudio {

void Mixer::Render(uint8_t* out, int bytes, const AudioMode&, uint8_t silence)
{
    if (out == nullptr || bytes <= 0)
        return;
    std::memset(out, silence, static_cast<std::size_t>(bytes));
}

} // namespace sdlaudio
