#!/usr/bin/env bash
# The soak run: bench/soak/soak.lua for SECONDS (default 60) in BUILD's game folder (default
# build/sanitize, where LeakSanitizer checks the exit; build/release for the plain figures), on
# SDL's dummy drivers. Prints the soak's figures and how many framework objects outlived the
# shutdown; fails when any did, when memory grew, or when the sanitizers reported anything.
#   bench/soak/soak.sh [SECONDS] [BUILD]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-60}"
build="${2:-$root/build/sanitize}"
[ -x "$build/game/vorn" ] || { echo "no $build/game/vorn: build it first" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$build/game/." "$work/"
cd "$work"
status=0
VORN_SOAK_SECONDS="$seconds" VORN_LIVE_NODES=1 VORN_MESSAGEBOX=cancel SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  timeout --signal=KILL $((seconds + 120)) ./vorn "$root/bench/soak/soak.lua" 2>stderr.txt || status=$?
grep "alive at exit" stderr.txt || true
if [ $status -ne 0 ] || grep -q "Sanitizer\|runtime error:" stderr.txt || ! grep -q "alive at exit: 0$" stderr.txt; then
  grep -B2 -A25 "Sanitizer\|runtime error:" stderr.txt | head -60 || tail -20 stderr.txt
  echo "soak: FAILED (exit $status)" >&2
  exit 1
fi
