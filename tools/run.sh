#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vorn and runs the bundled game from its game folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release >/dev/null
cmake --build build/release -j"$(nproc)"
cd build/release/game
exec ./vorn "$@"
