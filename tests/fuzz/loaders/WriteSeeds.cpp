// WriteSeeds: the fuzzers' first inputs, written with the test suite's own file writers: PNG and
// BMP pictures (tests/image), a sound in every format libsndfile writes (tests/sound), settings
// files; the font seed is an installed font, copied by the run script.
//   write_seeds <corpus folder>    (makes image/, sound/, settings/ in it)
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "ImageFiles.h"
#include "SoundCapture.h"

namespace {

void Save(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::filesystem::path root = argv[1];
    for (const char* folder : { "image", "sound", "settings" })
        std::filesystem::create_directories(root / folder);

    imagetest::Pixels pixels;
    for (int i = 0; i < 4 * 3; ++i)
        pixels.insert(
            pixels.end(), { uint8_t(i * 20), uint8_t(255 - i * 20), 128, uint8_t(i % 2 ? 255 : 0) });
    // The first byte picks the suffix the image fuzzer gives the file: 0 .png, 1 .bmp.
    Save(root / "image" / "rgba.png", std::string(1, '\0') + imagetest::Png(4, 3, pixels));
    Save(root / "image" / "rgb.bmp", std::string(1, '\1') + imagetest::Bmp(4, 3, pixels));

    for (const auto& format : soundtest::EveryFormat()) {
        std::vector<float> pcm; // 20 ms of a stereo tone
        for (int i = 0; i < format.rate / 50; ++i)
            pcm.insert(pcm.end(), 2, 0.5f * static_cast<float>(std::sin(i * 0.06)));
        soundtest::WriteSound(
            (root / "sound" / (std::string("tone.") + format.extension)).string(), format, pcm, 2);
    }

    Save(root / "settings" / "plugins.ini",
        "[video]\nplugin=Plugins\\VornDX8.dll\n[input]\n plugin = \"Plugins\\VornDI8.dll\" "
        "\n[AUDIO]\nPlugin=x\n");
    Save(root / "settings" / "odd.ini",
        "; comment\n[video\nplugin\n=\n[input]\nplugin=\n[audio]]\nplugin==a=b\n");
    return 0;
}
