// FuzzSound: the sound loader on any file, decoded whole and checked for streaming (no audio
// device: only the decoding and the file checks run).
#include <cstdint>

#include "FuzzInput.h"
#include "Vorn/sound/Sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzzing::WriteInput(data, size, ".snd");
    auto* sound = new Vorn::Sound(nullptr);
    sound->AddRef();
    sound->Load(path.c_str(), false);
    sound->Load(path.c_str(), true);
    sound->DropRef();
    return 0;
}
