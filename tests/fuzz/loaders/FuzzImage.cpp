// FuzzImage: the image loader on any file. The first byte picks the name's suffix (TGA is known by
// its name only), the rest is the file; both loading forms, then the pixels are read back.
#include <cstdint>

#include "FuzzInput.h"
#include "Vorn/image/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static const char* const suffixes[] = { ".png", ".bmp", ".tga", ".gif", ".jpg" };
    const std::string path = fuzzing::WriteInput(data + 1, size - 1, suffixes[data[0] % 5]);
    auto* image = new Vorn::Image(nullptr);
    image->AddRef();
    if (image->LoadFile(path.c_str(), Color { 255, 0, 255 }) && image->Pixels() != nullptr) {
        volatile uint8_t sum = 0;
        const uint8_t* pixels = image->Pixels();
        for (size_t i = 0; i < static_cast<size_t>(image->Width()) * image->Height() * 4; i += 61)
            sum = sum + pixels[i];
    }
    image->LoadFile(path.c_str());
    image->DropRef();
    return 0;
}
