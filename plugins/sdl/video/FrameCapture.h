// FrameCapture: writes chosen presented frames as PNG files, for tests and users without a desktop.
// VORN_CAPTURE_FRAMES=N[,M...] names the frames (counted from 1), VORN_CAPTURE_DIR the folder
// (default: the current directory); files are frame-N.png. Needs SDL2 and SDL2_image.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sdlvideo {

class FrameCapture {
public:
    // Reads the frame list and folder; a null list captures nothing.
    void Configure(const char* frames, const char* directory);
    bool Wants(uint64_t frame) const;
    // Reads the renderer's whole output and saves it as frame-<frame>.png. False: not written.
    bool Write(SDL_Renderer* renderer, uint64_t frame) const;

    const std::vector<uint64_t>& Frames() const { return frames_; }

private:
    std::vector<uint64_t> frames_;
    std::string directory_;
};

} // namespace sdlvideo
