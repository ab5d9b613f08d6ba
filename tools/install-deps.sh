#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Vorn needs.
set -euo pipefail
packages=(
  build-essential cmake pkg-config          # toolchain
  liblua5.1-0-dev libtolua++5.1-dev         # scripting and binding glue
  libsdl2-dev libsdl2-image-dev             # window, input, audio devices; image files
  libinih-dev                               # settings.ini
  libcairo2-dev                             # vector drawing: canvases and clippers
  libfreetype-dev libharfbuzz-dev libfontconfig-dev   # text: faces, shaping, installed fonts
  libfribidi-dev                            # text: right-to-left and mixed-direction lines
  fonts-dejavu-core fonts-kacst             # fonts the tests and the bundled game use (Latin, Arabic)
  libsndfile1-dev                           # sound decoding: WAV, FLAC, Ogg Vorbis, Opus, MP3
  libsamplerate0-dev                        # bench/audio_bench: the mixer's resampler against a sinc one
  libpolyclipping-dev libglu1-mesa-dev      # stroke outlines and polygon tessellation
  libgtest-dev googletest                   # unit tests
  zlib1g-dev                                # tests: writing the PNG files they decode
  xvfb xauth xdotool x11-utils              # headless X server and real input for script tests
  libx11-dev libxfixes-dev                  # tests: close requests and cursor visibility through Xlib
  valgrind                                  # bench/callgrind.sh: instructions per call
  clang libclang-rt-14-dev                  # tests/fuzz/loaders: libFuzzer harnesses of the file loaders
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
