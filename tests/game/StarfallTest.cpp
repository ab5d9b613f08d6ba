// The bundled game, Starfall, played headless on a private Xvfb with the SDL plugins: a click on
// the title screen starts a round, the idle ship is hunted down to game over, Escape quits. Frames
// are captured throughout; the ones presented after each screen was announced are checked where
// each screen shows something the others do not, and the music mixed on the title screen (SDL's
// disk driver) must not be silence.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "LogMatch.h"
#include "XSession.h"

namespace {

using namespace vorntest;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kCaptureEvery = 10;
constexpr uintmax_t kSecondOfSound = 44100 * 2 * 2; // the device's default: 44.1 kHz, stereo, 16 bits

struct Pixel {
    int r, g, b;
};

// A captured frame; coordinates from its top-left corner, y down, as the PNG stores them.
struct Frame {
    int number = 0;
    std::vector<Pixel> pixels;

    Pixel At(int x, int y) const { return pixels[static_cast<size_t>(y) * kWidth + x]; }
    // The colour most pixels of the rectangle have.
    Pixel MostCommon(int x0, int y0, int x1, int y1) const
    {
        std::map<int, int> seen;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                ++seen[(At(x, y).r << 16) | (At(x, y).g << 8) | At(x, y).b];
        const auto most = std::max_element(
            seen.begin(), seen.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        return { most->first >> 16, (most->first >> 8) & 255, most->first & 255 };
    }
    // How many pixels of the rectangle match.
    int Count(int x0, int y0, int x1, int y1, const std::function<bool(Pixel)>& match) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += match(At(x, y)) ? 1 : 0;
        return n;
    }
};

std::set<int> FramesOnDisk(const GameFolder& game)
{
    std::set<int> numbers;
    for (const auto& entry : std::filesystem::directory_iterator(game.Path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("frame-", 0) == 0)
            numbers.insert(std::stoi(name.substr(6)));
    }
    return numbers;
}

Frame Load(const GameFolder& game, int number)
{
    Frame frame;
    SDL_Surface* loaded = IMG_Load((game.Path() / ("frame-" + std::to_string(number) + ".png")).c_str());
    if (loaded == nullptr)
        return frame;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    if (rgb->w == kWidth && rgb->h == kHeight) {
        frame.number = number;
        for (int y = 0; y < kHeight; ++y) {
            const auto* row = static_cast<const uint8_t*>(rgb->pixels) + static_cast<size_t>(y) * rgb->pitch;
            for (int x = 0; x < kWidth; ++x)
                frame.pixels.push_back({ row[3 * x], row[3 * x + 1], row[3 * x + 2] });
        }
    }
    SDL_FreeSurface(rgb);
    return frame;
}

// Waits for the game to print `line`, then returns the first frame captured after that: it was
// presented after the line was printed, so it shows the screen the line announced. The frame is
// read once the one after it exists, so it has been written whole.
Frame FrameAfter(RunningGame& run, const GameFolder& game, const std::string& line,
    std::chrono::milliseconds timeout = std::chrono::seconds(30))
{
    if (!WaitUntil([&] { return ContainsInOrder(run.Printed(), { line }); }, timeout))
        return {};
    const std::set<int> before = FramesOnDisk(game);
    const int last = before.empty() ? 0 : *before.rbegin();
    std::set<int> after;
    WaitUntil([&] {
        after = FramesOnDisk(game);
        return std::count_if(after.begin(), after.end(), [&](int n) { return n > last; }) >= 2;
    });
    const auto first = after.upper_bound(last);
    return first == after.end() ? Frame {} : Load(game, *first);
}

bool Gold(Pixel p)
{
    return p.r > 200 && p.g > 160 && p.g < 230 && p.b < 80;
}
bool OrangeRed(Pixel p)
{
    return p.r > 200 && p.g > 40 && p.g < 110 && p.b < 40;
}
bool White(Pixel p)
{
    return p.r > 220 && p.g > 220 && p.b > 220;
}
// The minimap's background: its camera's dark blue.
bool MapBlue(Pixel p)
{
    return p.b > 35 && p.b > p.r + 20;
}
bool Near(Pixel a, Pixel b)
{
    return std::abs(a.r - b.r) <= 6 && std::abs(a.g - b.g) <= 6 && std::abs(a.b - b.b) <= 6;
}

// The game as built into the game folder, without what an earlier run generated there: each run
// makes its own sounds and picture.
void CopyTheGame(const GameFolder& game)
{
    std::filesystem::copy(VornBinary().parent_path() / "Scripts", game.Path() / "Scripts",
        std::filesystem::copy_options::recursive);
    for (const auto& made : std::filesystem::directory_iterator(game.Path() / "Scripts" / "generated"))
        if (made.path().extension() != "")
            std::filesystem::remove(made.path());
}

TEST(Starfall, AClickStartsARoundTheIdleShipIsHuntedDownAndEscapeQuits)
{
    XServer server;
    GameFolder game;
    game.UseSdlPluginsAsDefaults();
    CopyTheGame(game);
    std::string frames;
    for (int n = kCaptureEvery; n <= 100000; n += kCaptureEvery)
        frames += (frames.empty() ? "" : ",") + std::to_string(n);
    RunningGame run(game,
        server.Options()
            .Env("VORN_CAPTURE_FRAMES", frames)
            .Env("VORN_MESSAGEBOX", "cancel")
            .Env("SDL_AUDIODRIVER", "disk")
            .Env("SDL_DISKAUDIOFILE", (game.Path() / "out.raw").string()));
    const std::string window = std::to_string(server.FindWindow("Starfall"));
    ASSERT_NE("0", window);

    // The title: the game's name in gold across the middle, no score panel yet.
    const Frame title = FrameAfter(run, game, "Starfall: title screen");
    ASSERT_NE(0, title.number) << "no title frame";
    EXPECT_GT(title.Count(200, 215, 600, 272, Gold), 2000);
    EXPECT_EQ(0, title.Count(20, 35, 120, 62, White));
    // A second of sound after the title showed, before anything but the music plays.
    const auto raw = game.Path() / "out.raw";
    const auto titleSound = std::filesystem::file_size(raw) + kSecondOfSound;
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::file_size(raw) >= titleSound; }));

    ASSERT_TRUE(server.XdoTool("mousemove --window " + window + " 400 300 click 1"));
    ASSERT_TRUE(server.XdoTool("windowfocus --sync " + window));
    // The round: the score panel; the minimap's rounded card shows its own blue inside, and the
    // main view in its cut-off corner.
    const Frame play = FrameAfter(run, game, "Starfall: round started");
    ASSERT_NE(0, play.number) << "no frame of the round";
    EXPECT_GT(play.Count(20, 35, 120, 62, White), 150); // the score, 000000
    EXPECT_LT(play.Count(200, 215, 600, 272, Gold), 500); // the title has gone
    const Pixel card = play.MostCommon(620, 40, 770, 130);
    EXPECT_TRUE(MapBlue(card)) << card.r << ", " << card.g << ", " << card.b;
    EXPECT_GT(play.Count(620, 40, 770, 130, [&](Pixel p) { return Near(p, card); }), 150 * 90 * 3 / 4);
    EXPECT_FALSE(Near(play.At(597, 13), card));

    const Frame over = FrameAfter(run, game, "Starfall: game over, score 0", std::chrono::seconds(100));
    ASSERT_NE(0, over.number) << "no game over";
    EXPECT_GT(over.Count(190, 200, 610, 262, OrangeRed), 2000);

    ASSERT_TRUE(server.XdoTool("key --window " + window + " Escape"));
    const RunResult result = run.Finish();
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_EQ("Starfall: window closed", SplitLines(result.out).back());
    EXPECT_TRUE(result.Boxes().empty()) << result.err;

    // The title's music reached the device: 16-bit stereo samples, far from silence.
    std::ifstream sound(raw, std::ios::binary);
    int loudest = 0;
    int16_t sample = 0;
    for (uintmax_t read = 0; read < titleSound && sound.read(reinterpret_cast<char*>(&sample), sizeof sample);
         read += sizeof sample)
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    EXPECT_GT(loudest, 3000);
}

// A pad's Start begins a round (code 119, JBUTTON_8, in frame 5) and its stick, pushed to the
// right, flies the ship without a script error; Escape (code 1) in frame 40 ends the game.
TEST(Starfall, APadStartsARound)
{
    GameFolder game;
    game.UseTestPluginsAsDefaults();
    CopyTheGame(game);
    game.Write(
        "testplugins.cfg", "joystick.events.5 = 119+\njoystick.axis0 = 32767\nkeyboard.events.40 = 1+\n");
    const RunResult result = game.Run(RunOptions().Env("VORN_MESSAGEBOX", "cancel"));
    EXPECT_EQ(0, result.exitCode) << result.Describe();
    EXPECT_TRUE(SameLines(SplitLines(result.out),
        { "Starfall: title screen", "Starfall: round started", "Starfall: window closed" }))
        << result.out << result.err;
    EXPECT_TRUE(result.Boxes().empty()) << result.err; // no script error on the way
}

} // namespace
