#!/usr/bin/env bash
# The API fuzzer's long run: tests/fuzz/api_fuzz.lua as the main script of the sanitizer build's
# binary (ASan + UBSan) with the SDL plugins on SDL's dummy drivers, for SECONDS (default 600)
# with SEED (default: the time; printed first). A clean run ends with the fuzzer's figures and
# exit code 0; a sanitizer report, a crash or a hang (killed after SECONDS + 120) fails it.
#   tools/fuzz-api.sh [SECONDS] [SEED]      (build first: tools/test.sh, or cmake --build build/sanitize)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
seed="${2:-$(date +%s)}"
game="$root/build/sanitize/game"
[ -x "$game/vorn" ] || { echo "no $game/vorn: build the sanitizer build first" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$game/." "$work/"
cd "$work"
echo "api fuzz: $seconds s, seed $seed, in $work"
status=0
VORN_MESSAGEBOX=ok VORN_FUZZ_SEED="$seed" VORN_FUZZ_SECONDS="$seconds" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  timeout --signal=KILL $((seconds + 120)) ./vorn "$root/tests/fuzz/api_fuzz.lua" >stdout.txt 2>stderr.txt || status=$?
cat stdout.txt
if [ $status -ne 0 ] || grep -q "Sanitizer\|runtime error:" stderr.txt; then
  grep -B2 -A30 "Sanitizer\|runtime error:" stderr.txt | head -80 || tail -40 stderr.txt
  echo "api fuzz: FAILED (exit $status), seed $seed" >&2
  exit 1
fi
