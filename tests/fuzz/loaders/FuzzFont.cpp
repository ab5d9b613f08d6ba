// FuzzFont: the font loader on any file, at a size the first byte picks, then text measured
// (shaping Latin, Arabic and mixed-direction text through the loaded face).
#include <cstdint>

#include "FuzzInput.h"
#include "Vorn/text/Font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string path = fuzzing::WriteInput(data + 1, size - 1, ".ttf");
    auto* font = new Vorn::Font(nullptr);
    font->AddRef();
    if (font->LoadFile(path.c_str(), 1u + data[0])) {
        font->GetWidth("Vorn fi ffl AV");
        font->GetWidth("\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 abc 123");
        font->GetHeight();
    }
    font->DropRef();
    return 0;
}
